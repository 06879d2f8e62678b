#include "platform/colour_key.h"

#include <cstdint>

namespace ylcs {

CairoRegionPtr RegionWithoutColour(cairo_surface_t* image, Rgb key) {
  CairoRegionPtr region(cairo_region_create());
  if (image == nullptr || cairo_surface_get_type(image) != CAIRO_SURFACE_TYPE_IMAGE) return region;
  cairo_surface_flush(image);
  const int width = cairo_image_surface_get_width(image);
  const int height = cairo_image_surface_get_height(image);
  const int stride = cairo_image_surface_get_stride(image);
  const unsigned char* data = cairo_image_surface_get_data(image);
  const auto format = cairo_image_surface_get_format(image);
  if (data == nullptr || (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24)) return region;
  const std::uint32_t key_rgb =
      (std::uint32_t{key.r} << 16) | (std::uint32_t{key.g} << 8) | std::uint32_t{key.b};
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    // One rectangle per run of visible pixels.
    int x = 0;
    while (x < width) {
      while (x < width && (row[x] & 0xFFFFFFu) == key_rgb) ++x;
      const int start = x;
      while (x < width && (row[x] & 0xFFFFFFu) != key_rgb) ++x;
      if (x > start) {
        const cairo_rectangle_int_t run{start, y, x - start, 1};
        cairo_region_union_rectangle(region.get(), &run);
      }
    }
  }
  return region;
}

}  // namespace ylcs
