#include "platform/window_shape.h"

#include <cstdint>

namespace ylcs {

CairoRegionPtr RegionWithoutPixels(int width, int height, const std::vector<Point>& pixels) {
  const cairo_rectangle_int_t whole{0, 0, width, height};
  CairoRegionPtr region(cairo_region_create_rectangle(&whole));
  for (const Point& p : pixels) {
    const cairo_rectangle_int_t pixel{p.x, p.y, 1, 1};
    cairo_region_subtract_rectangle(region.get(), &pixel);
  }
  return region;
}

CairoRegionPtr RegionFromAlpha(cairo_surface_t* image, int min_alpha) {
  CairoRegionPtr region(cairo_region_create());
  if (!image || cairo_image_surface_get_format(image) != CAIRO_FORMAT_ARGB32) return region;
  cairo_surface_flush(image);
  const int w = cairo_image_surface_get_width(image);
  const int h = cairo_image_surface_get_height(image);
  const int stride = cairo_image_surface_get_stride(image);
  const unsigned char* data = cairo_image_surface_get_data(image);
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    int x = 0;
    while (x < w) {
      while (x < w && static_cast<int>(row[x] >> 24) < min_alpha) ++x;
      const int start = x;
      while (x < w && static_cast<int>(row[x] >> 24) >= min_alpha) ++x;
      if (x > start) {
        const cairo_rectangle_int_t run{start, y, x - start, 1};
        cairo_region_union_rectangle(region.get(), &run);
      }
    }
  }
  return region;
}

void ApplyWindowShape(GdkWindow* window, const cairo_region_t* region) {
  if (!window) return;
  gdk_window_shape_combine_region(window, region, 0, 0);
  gdk_window_input_shape_combine_region(window, region, 0, 0);
}

bool IsCompositing(GdkScreen* screen) { return screen && gdk_screen_is_composited(screen); }

}  // namespace ylcs
