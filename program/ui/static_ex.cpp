#include "program/ui/static_ex.h"

#include <cstdlib>

namespace ylcs {

namespace {
constexpr unsigned kHoverTimeMs = 10;
constexpr GdkEventMask kMouseEvents =
    static_cast<GdkEventMask>(GDK_ENTER_NOTIFY_MASK | GDK_LEAVE_NOTIFY_MASK | GDK_BUTTON_PRESS_MASK);
}  // namespace

CStaticEx::~CStaticEx() { DetachWidget(); }

bool CStaticEx::CreateControl(const std::string& text, std::uint32_t style, const Rect& rect, CWnd* parent,
                              int id) {
  GtkWidget* area = gtk_drawing_area_new();
  CreateChild(area, parent, id, rect, style, text);
  g_signal_connect(area, "enter-notify-event", G_CALLBACK(EnterCb), this);
  g_signal_connect(area, "leave-notify-event", G_CALLBACK(LeaveCb), this);
  g_signal_connect(area, "button-press-event", G_CALLBACK(PressCb), this);
  g_signal_connect(
      area, "realize",
      G_CALLBACK(+[](GtkWidget*, gpointer self) { static_cast<CStaticEx*>(self)->ApplyMouseStyle(); }), this);
  m_strText = text;
  ApplyMouseStyle();
  return true;
}

void CStaticEx::OnStyleChanged() { ApplyMouseStyle(); }

// Without SS_NOTIFY the label selects no mouse events, so they reach the window under it.
void CStaticEx::ApplyMouseStyle() {
  GtkWidget* w = widget();
  if (!w) return;
  const bool notify = (GetStyle() & SS_NOTIFY) != 0;
  GdkWindow* window = gtk_widget_get_window(w);
  if (!window) {
    gtk_widget_set_events(w, notify ? kMouseEvents : 0);
    return;
  }
  const auto events = static_cast<GdkEventMask>(gdk_window_get_events(window));
  gdk_window_set_events(window, notify ? static_cast<GdkEventMask>(events | kMouseEvents)
                                       : static_cast<GdkEventMask>(events & ~kMouseEvents));
}

bool CStaticEx::SetImage(const SkinImage& picture) {
  if (!picture) return false;
  picture_ = picture;
  m_nImageWidth = picture.width();
  m_nImageHeight = picture.height();
  m_bImageRight = false;
  Invalidate();
  return true;
}

const TextLayout& CStaticEx::GetTextFont() {
  if (!font_) {
    FontSpec spec = HasFont() ? GetFont() : FontSpec{-16, 400, false, 0};  // the system font's height
    if (m_nFontHeight != 0) spec.height = m_nFontHeight;
    if (m_nFontWeight != -1) spec.weight = m_nFontWeight;
    if (m_nFontWidth != 0) spec.width = m_nFontWidth;
    if (m_bUnderline) spec.underline = true;
    font_ = std::make_unique<TextLayout>(spec);
  }
  return *font_;
}

void CStaticEx::OnPaint(cairo_t* cr) {
  const Rect client = GetClientRect();
  if (picture_ && m_nImageWidth > 0) {
    const int x = m_bImageRight ? client.width() - m_nImageWidth - 3 : 3;
    const int y = (client.height() - m_nImageHeight) / 2;
    DrawSkinPiece(cr, picture_,
                  {{0, 0, m_nImageWidth, m_nImageHeight}, {x, y, x + m_nImageWidth, y + m_nImageHeight}});
  } else if (m_hIcon) {
    const int x = m_bImageRight ? client.width() - 16 - 3 : 3;
    const int y = (client.height() - 16) / 2;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    const double sx = 16.0 / gdk_pixbuf_get_width(m_hIcon.get());
    const double sy = 16.0 / gdk_pixbuf_get_height(m_hIcon.get());
    cairo_scale(cr, sx, sy);
    gdk_cairo_set_source_pixbuf(cr, m_hIcon.get(), 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
  }
  DrawWrappedText(cr);
}

void CStaticEx::DrawWrappedText(cairo_t* cr) {
  Rect r = GetClientRect();
  if (m_nImageWidth > 0) {
    if (m_bImageRight) {
      r.right -= m_nImageWidth + 6;
    } else {
      r.left += m_nImageWidth + 6;
    }
  }
  const std::uint32_t style = GetStyle();
  TextLayout::Format format;
  if (style & SS_CENTER) {
    format.align = TextLayout::Align::Center;
    format.vcenter = true;
  } else if (style & SS_RIGHT) {
    format.align = TextLayout::Align::Right;
  }
  if (style & SS_ENDELLIPSIS) format.ellipsis = TextLayout::Ellipsis::End;
  if (style & SS_PATHELLIPSIS) format.ellipsis = TextLayout::Ellipsis::Middle;
  if (style & SS_CENTERIMAGE) format.vcenter = true;

  SetSourceRgb(cr, m_bHoverColor && m_bHover ? m_clrHover : m_clrText);
  const TextLayout& font = GetTextFont();
  const Point probe = font.Measure(kWidthProbeText);
  const int line_height = probe.y;
  const int char_width = probe.x / kWidthProbeChars;
  last_wrap_ = WrapText(m_strText, r.width(), line_height, char_width, m_nLineSpacing,
                        [&font](std::string_view line) { return font.LineWidth(line); });
  for (std::size_t i = 0; i < last_wrap_.lines.size(); ++i) {
    const int top = r.top + static_cast<int>(i) * (line_height + m_nLineSpacing);
    font.Draw(cr, last_wrap_.lines[i], {r.left, top, r.right, top + line_height}, format);
  }
  // The label grows downwards to hold every line, keeping its top-left corner (after this paint:
  // a widget is not resized while it draws).
  if (!last_wrap_.lines.empty() && GetWindowRect().height() < last_wrap_.needed_height && !grow_) {
    grow_.reset(g_idle_add(
        [](gpointer data) -> gboolean {
          auto* label = static_cast<CStaticEx*>(data);
          label->grow_.forget();
          const Rect w = label->GetWindowRect();
          label->MoveWindow({w.left, w.top, w.right, w.top + label->last_wrap_.needed_height}, true);
          return G_SOURCE_REMOVE;
        },
        this));
  }
}

gboolean CStaticEx::EnterCb(GtkWidget* widget, GdkEventCrossing*, gpointer self) {
  auto* label = static_cast<CStaticEx*>(self);
  // The hand over a link (WM_SETCURSOR), as m_bLink says at this moment.
  if (GdkWindow* window = gtk_widget_get_window(widget)) {
    GObjectPtr<GdkCursor> hand;
    if (label->m_bLink) {
      hand =
          GObjectPtr<GdkCursor>::Adopt(gdk_cursor_new_from_name(gdk_window_get_display(window), "pointer"));
    }
    gdk_window_set_cursor(window, hand.get());
  }
  if (!label->m_bTracking) {
    label->m_bTracking = true;
    label->hover_timer_.reset(g_timeout_add(
        kHoverTimeMs,
        [](gpointer data) -> gboolean {
          auto* l = static_cast<CStaticEx*>(data);
          l->hover_timer_.forget();
          l->m_bHover = true;
          l->Invalidate();
          return G_SOURCE_REMOVE;
        },
        label));
  }
  return FALSE;
}

gboolean CStaticEx::LeaveCb(GtkWidget*, GdkEventCrossing* event, gpointer self) {
  auto* label = static_cast<CStaticEx*>(self);
  if (event->detail == GDK_NOTIFY_INFERIOR) return FALSE;
  label->m_bHover = false;
  label->m_bTracking = false;
  label->hover_timer_.reset();
  label->Invalidate();
  return FALSE;
}

gboolean CStaticEx::PressCb(GtkWidget*, GdkEventButton* event, gpointer self) {
  auto* label = static_cast<CStaticEx*>(self);
  if (event->button != 1 || event->type != GDK_BUTTON_PRESS || !(label->GetStyle() & SS_NOTIFY)) return FALSE;
  if (label->GetParent()) {
    label->GetParent()->SendMessage(WM_COMMAND,
                                    MakeWParam(static_cast<unsigned>(label->GetDlgCtrlID()), STN_CLICKED), 0);
  }
  return TRUE;
}

}  // namespace ylcs
