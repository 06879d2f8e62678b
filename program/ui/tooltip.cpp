#include "program/ui/tooltip.h"

#include "platform/text_drawing.h"

namespace ylcs {

namespace {

constexpr int kPaddingX = 7;
constexpr int kPaddingY = 4;
const FontSpec kTipFont{-12, 400, false, 0};

}  // namespace

CToolTip::~CToolTip() {
  if (popup_) gtk_widget_destroy(popup_);
}

void CToolTip::SetText(const std::string& text) {
  text_ = text;
  if (IsShown()) Show();
}

bool CToolTip::IsShown() const { return popup_ && gtk_widget_get_visible(popup_); }

void CToolTip::PointerRests() {
  if (IsShown() || delay_ || text_.empty()) return;
  delay_.reset(g_timeout_add(
      delay_ms_,
      [](gpointer self) -> gboolean {
        auto* tip = static_cast<CToolTip*>(self);
        tip->delay_.forget();
        tip->Show();
        return G_SOURCE_REMOVE;
      },
      this));
}

void CToolTip::Hide() {
  delay_.reset();
  auto_hide_.reset();
  if (popup_) gtk_widget_hide(popup_);
}

void CToolTip::Show() {
  if (!popup_) {
    popup_ = gtk_window_new(GTK_WINDOW_POPUP);
    gtk_window_set_type_hint(GTK_WINDOW(popup_), GDK_WINDOW_TYPE_HINT_TOOLTIP);
    gtk_widget_set_app_paintable(popup_, TRUE);
    g_signal_connect(popup_, "draw", G_CALLBACK(DrawCb), this);
  }
  const TextLayout layout(kTipFont);
  const Point size = layout.Measure(text_);
  const int w = size.x + 2 * kPaddingX;
  const int h = size.y + 2 * kPaddingY;
  GdkDisplay* display = gdk_display_get_default();
  int x = 0, y = 0;
  gdk_device_get_position(gdk_seat_get_pointer(gdk_display_get_default_seat(display)), nullptr, &x, &y);
  gtk_window_resize(GTK_WINDOW(popup_), w, h);
  gtk_widget_set_size_request(popup_, w, h);
  gtk_window_move(GTK_WINDOW(popup_), x, y + 20);
  gtk_widget_show(popup_);
  gtk_widget_queue_draw(popup_);
  // Shown for ten times the delay, as the automatic delay times of tooltips go.
  auto_hide_.reset(g_timeout_add(
      delay_ms_ * 10,
      [](gpointer self) -> gboolean {
        auto* tip = static_cast<CToolTip*>(self);
        tip->auto_hide_.forget();
        if (tip->popup_) gtk_widget_hide(tip->popup_);
        return G_SOURCE_REMOVE;
      },
      this));
}

gboolean CToolTip::DrawCb(GtkWidget* widget, cairo_t* cr, gpointer self) {
  const auto* tip = static_cast<CToolTip*>(self);
  const int w = gtk_widget_get_allocated_width(widget);
  const int h = gtk_widget_get_allocated_height(widget);
  SetSourceRgb(cr, {0xF4, 0xF8, 0xFC});
  cairo_paint(cr);
  SetSourceRgb(cr, {0x5F, 0x8F, 0xC6});
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
  cairo_stroke(cr);
  SetSourceRgb(cr, {0x1E, 0x27, 0x2E});
  const TextLayout layout(kTipFont);
  layout.Draw(cr, tip->text_, {0, 0, w, h}, {TextLayout::Align::Center, true, TextLayout::Ellipsis::None});
  return TRUE;
}

}  // namespace ylcs
