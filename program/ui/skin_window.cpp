#include "program/ui/skin_window.h"

#include "platform/window_shape.h"
#include "program/ui/dlg_ex.h"

namespace ylcs {

void BuildCornerRegion(CDlgEx& dialog) {
  GtkWidget* widget = dialog.widget();
  if (!widget || !gtk_widget_get_window(widget)) return;
  const SkinImage& skin = dialog.m_bmpBackground;
  if (!skin) {
    ApplyWindowShape(gtk_widget_get_window(widget), nullptr);
    return;
  }
  const Rect r = dialog.GetWindowRect();
  const auto cut = CornerCutPixels(skin.width(), skin.height(), r.width(), r.height(),
                                   [&skin](int x, int y) { return skin.IsKey(x, y); });
  const CairoRegionPtr region = RegionWithoutPixels(r.width(), r.height(), cut);
  ApplyWindowShape(gtk_widget_get_window(widget), region.get());
}

bool PaintLayeredImage(CDialog& window, cairo_surface_t* image, int width, int height) {
  GtkWidget* widget = window.widget();
  if (!widget || !image) return false;
  window.ModifyStyleEx(0, WS_EX_LAYERED);
  window.SetLayeredImage(CairoSurfacePtr(cairo_surface_reference(image)));
  const Rect r = window.GetWindowRect();
  window.MoveWindow({r.left, r.top, r.left + width, r.top + height}, true);
  if (GdkWindow* gdk_window = gtk_widget_get_window(widget)) {
    if (window.HasAlphaVisual()) {
      ApplyWindowShape(gdk_window, nullptr);
    } else {
      const CairoRegionPtr region = RegionFromAlpha(image, 128);
      ApplyWindowShape(gdk_window, region.get());
    }
  }
  return true;
}

}  // namespace ylcs
