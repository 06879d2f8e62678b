#include "program/ui/btn_ex.h"

namespace ylcs {

namespace {
constexpr unsigned kHoverTimeMs = 10;
}

CBtnEx::~CBtnEx() { DetachWidget(); }

bool CBtnEx::CreateControl(const std::string& text, std::uint32_t style, const Rect& rect, CWnd* parent,
                           int id) {
  GtkWidget* area = gtk_drawing_area_new();
  gtk_widget_add_events(area, GDK_ENTER_NOTIFY_MASK | GDK_LEAVE_NOTIFY_MASK | GDK_POINTER_MOTION_MASK |
                                  GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK);
  CreateChild(area, parent, id, rect, style, text);
  g_signal_connect(area, "enter-notify-event", G_CALLBACK(EnterCb), this);
  g_signal_connect(area, "leave-notify-event", G_CALLBACK(LeaveCb), this);
  g_signal_connect(area, "motion-notify-event", G_CALLBACK(MotionCb), this);
  g_signal_connect(area, "button-press-event", G_CALLBACK(PressCb), this);
  g_signal_connect(area, "button-release-event", G_CALLBACK(ReleaseCb), this);
  // What subclassing did: the text of the moment is the text drawn, the rectangle the size.
  m_strText = text;
  m_rcWindow = rect;
  return true;
}

bool CBtnEx::SetImage(const SkinImage& strip, bool resize) {
  strip_ = strip;
  if (resize && strip_) SetWindowSize(strip_.width() / kButtonFrames, strip_.height());
  m_rcWindow = GetWindowRect();
  Invalidate();
  return true;
}

void CBtnEx::SetTooltip(const std::string& text) {
  m_strTooltip = text;
  m_bTooltip = true;
  if (!tooltip_) tooltip_ = std::make_unique<CToolTip>(660);
  if (tooltip_->IsShown()) tooltip_->SetText(text);
}

ButtonState CBtnEx::State() const { return {!IsWindowEnabled(), selected_, m_bPressed, m_bHover}; }

ButtonFrame CBtnEx::CurrentFrame() const {
  ButtonState state = State();
  return ChooseButtonFrame(state);
}

void CBtnEx::OnPaint(cairo_t* cr) {
  ButtonState state = State();
  const ButtonFrame frame = ChooseButtonFrame(state);
  m_bPressed = state.pressed;
  const int w = m_rcWindow.width();
  const int h = m_rcWindow.height();
  if (strip_) {
    const int fw = strip_.width() / kButtonFrames;
    const int index = static_cast<int>(frame);
    DrawSkinPiece(cr, strip_, {{index * fw, 0, (index + 1) * fw, strip_.height()}, {0, 0, w, h}});
  }
  if (!m_strText.empty()) {
    const TextLayout layout(HasFont() ? GetFont() : DefaultGuiFont());
    SetSourceRgb(cr, frame == ButtonFrame::Disabled ? kGrayText : m_clrText);
    layout.Draw(cr, m_strText, {0, 0, w, h}, {TextLayout::Align::Center, true, TextLayout::Ellipsis::None});
  }
}

bool CBtnEx::Inside(double x, double y) const {
  return x >= 0 && y >= 0 && x < m_rcWindow.width() && y < m_rcWindow.height();
}

void CBtnEx::TrackMouse() {
  if (m_bTracking) return;
  m_bTracking = true;
  hover_timer_.reset(g_timeout_add(
      kHoverTimeMs,
      [](gpointer self) -> gboolean {
        auto* button = static_cast<CBtnEx*>(self);
        button->hover_timer_.forget();
        button->m_bHover = true;
        button->Invalidate();
        if (button->m_bTooltip && button->tooltip_) button->tooltip_->SetText(button->m_strTooltip);
        return G_SOURCE_REMOVE;
      },
      this));
}

gboolean CBtnEx::EnterCb(GtkWidget*, GdkEventCrossing*, gpointer self) {
  auto* button = static_cast<CBtnEx*>(self);
  button->TrackMouse();
  if (button->tooltip_ && !button->held_) {
    button->tooltip_->SetText(button->m_strTooltip);
    button->tooltip_->PointerRests();
  }
  return FALSE;
}

gboolean CBtnEx::LeaveCb(GtkWidget*, GdkEventCrossing* event, gpointer self) {
  auto* button = static_cast<CBtnEx*>(self);
  if (event->detail == GDK_NOTIFY_INFERIOR) return FALSE;
  button->m_bHover = false;
  button->m_bTracking = false;
  button->hover_timer_.reset();
  if (button->tooltip_) button->tooltip_->Hide();
  if (button->held_) button->selected_ = false;
  button->Invalidate();
  return FALSE;
}

gboolean CBtnEx::MotionCb(GtkWidget*, GdkEventMotion* event, gpointer self) {
  auto* button = static_cast<CBtnEx*>(self);
  if (button->held_) {
    const bool inside = button->Inside(event->x, event->y);
    if (inside != button->selected_) {
      button->selected_ = inside;
      button->Invalidate();
    }
  } else {
    button->TrackMouse();
    if (button->tooltip_) button->tooltip_->PointerRests();
  }
  return TRUE;
}

gboolean CBtnEx::PressCb(GtkWidget*, GdkEventButton* event, gpointer self) {
  auto* button = static_cast<CBtnEx*>(self);
  if (event->button != 1 || event->type != GDK_BUTTON_PRESS) return TRUE;
  button->held_ = true;
  button->selected_ = true;
  if (button->tooltip_) button->tooltip_->Hide();
  button->Invalidate();
  return TRUE;
}

gboolean CBtnEx::ReleaseCb(GtkWidget*, GdkEventButton* event, gpointer self) {
  auto* button = static_cast<CBtnEx*>(self);
  if (event->button != 1) return TRUE;
  const bool click = button->held_ && button->Inside(event->x, event->y) && button->IsWindowEnabled();
  button->m_bPressed = false;
  button->held_ = false;
  button->selected_ = false;
  button->Invalidate();
  if (click && button->GetParent()) {
    button->GetParent()->SendMessage(
        WM_COMMAND, MakeWParam(static_cast<unsigned>(button->GetDlgCtrlID()), BN_CLICKED), 0);
  }
  return TRUE;
}

}  // namespace ylcs
