#include "platform/skin_image.h"

#include <gio/gio.h>

#include <cstdint>
#include <mutex>
#include <optional>

#include "rules/ui/skin_geometry.h"

// The bundle compiled in at build time (glib-compile-resources).
extern "C" void ylcs_artwork_register_resource(void);

namespace ylcs {

namespace {

void RegisterArtwork() {
  static std::once_flag once;
  std::call_once(once, [] { ylcs_artwork_register_resource(); });
}

GObjectPtr<GdkPixbuf> PixbufFromResource(const std::string& path) {
  RegisterArtwork();
  GError* error = nullptr;
  GObjectPtr<GdkPixbuf> pixbuf =
      GObjectPtr<GdkPixbuf>::Adopt(gdk_pixbuf_new_from_resource(path.c_str(), &error));
  GErrorPtr owned(error);
  return pixbuf;
}

// Walks the pixels of a pixbuf (RGB or RGBA, 8 bits) and writes one ARGB32 word per pixel.
template <typename PixelFn>
CairoSurfacePtr ConvertPixbuf(const GdkPixbuf* image, PixelFn to_argb) {
  if (!image || gdk_pixbuf_get_bits_per_sample(image) != 8) return {};
  const int w = gdk_pixbuf_get_width(image);
  const int h = gdk_pixbuf_get_height(image);
  if (w <= 0 || h <= 0) return {};
  CairoSurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return {};
  const bool has_alpha = gdk_pixbuf_get_has_alpha(image) != FALSE;
  const int channels = gdk_pixbuf_get_n_channels(image);
  const int src_stride = gdk_pixbuf_get_rowstride(image);
  const guint8* src = gdk_pixbuf_read_pixels(image);
  unsigned char* dst = cairo_image_surface_get_data(surface.get());
  const int dst_stride = cairo_image_surface_get_stride(surface.get());
  for (int y = 0; y < h; ++y) {
    const guint8* in = src + static_cast<std::ptrdiff_t>(y) * src_stride;
    auto* out = reinterpret_cast<std::uint32_t*>(dst + static_cast<std::ptrdiff_t>(y) * dst_stride);
    for (int x = 0; x < w; ++x, in += channels) {
      const std::uint8_t alpha = has_alpha ? in[3] : 255;
      out[x] = to_argb(Rgb{in[0], in[1], in[2]}, alpha);
    }
  }
  cairo_surface_mark_dirty(surface.get());
  return surface;
}

std::uint32_t Argb(std::uint8_t a, Rgb c) {
  return (std::uint32_t{a} << 24) | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
}

}  // namespace

SkinImage::SkinImage(const SkinImage& other)
    : surface_(other.surface_ ? cairo_surface_reference(other.surface_.get()) : nullptr) {}

SkinImage& SkinImage::operator=(const SkinImage& other) {
  if (this != &other)
    surface_.reset(other.surface_ ? cairo_surface_reference(other.surface_.get()) : nullptr);
  return *this;
}

int SkinImage::width() const { return surface_ ? cairo_image_surface_get_width(surface_.get()) : 0; }
int SkinImage::height() const { return surface_ ? cairo_image_surface_get_height(surface_.get()) : 0; }

bool SkinImage::IsKey(int x, int y) const {
  if (!surface_ || x < 0 || y < 0 || x >= width() || y >= height()) return false;
  const unsigned char* data = cairo_image_surface_get_data(surface_.get());
  const int stride = cairo_image_surface_get_stride(surface_.get());
  const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
  return (row[x] >> 24) == 0;
}

namespace {

// The one colour of a small source rectangle, when all its pixels share it: such a piece (the
// middle of a 9-grid, typically) is stretched by filling, far cheaper than scaling pixels.
std::optional<std::uint32_t> UniformColour(const SkinImage& image, const Rect& src) {
  constexpr int kLargestChecked = 64 * 64;
  if (src.width() * src.height() > kLargestChecked) return std::nullopt;
  cairo_surface_flush(image.surface());
  const unsigned char* data = cairo_image_surface_get_data(image.surface());
  const int stride = cairo_image_surface_get_stride(image.surface());
  const auto* first =
      reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(src.top) * stride);
  const std::uint32_t colour = first[src.left];
  for (int y = src.top; y < src.bottom; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = src.left; x < src.right; ++x) {
      if (row[x] != colour) return std::nullopt;
    }
  }
  return colour;
}

}  // namespace

void DrawSkinPiece(cairo_t* cr, const SkinImage& image, const Blit& piece, bool replace) {
  const Rect& src = piece.source;
  const Rect& dst = piece.target;
  if (!image || src.width() <= 0 || src.height() <= 0 || dst.width() <= 0 || dst.height() <= 0) return;
  if (src.left < 0 || src.top < 0 || src.right > image.width() || src.bottom > image.height()) return;
  cairo_save(cr);
  cairo_rectangle(cr, dst.left, dst.top, dst.width(), dst.height());
  cairo_clip(cr);
  if (replace) cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  if (const auto colour = UniformColour(image, src)) {
    const std::uint32_t c = *colour;  // premultiplied; skin pixels are opaque or fully clear
    cairo_set_source_rgba(cr, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0,
                          (c >> 24) / 255.0);
    cairo_paint(cr);
    cairo_restore(cr);
    return;
  }
  cairo_translate(cr, dst.left, dst.top);
  cairo_scale(cr, static_cast<double>(dst.width()) / src.width(),
              static_cast<double>(dst.height()) / src.height());
  // Only the source rectangle's own pixels: a sub-surface keeps neighbours from bleeding in.
  CairoSurfacePtr sub(
      cairo_surface_create_for_rectangle(image.surface(), src.left, src.top, src.width(), src.height()));
  cairo_set_source_surface(cr, sub.get(), 0, 0);
  cairo_pattern_t* pattern = cairo_get_source(cr);
  cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
  cairo_paint(cr);
  cairo_restore(cr);
}

void PaintSkinBackground(cairo_t* cr, const SkinImage& skin, int width, int height, int border, int caption,
                         bool stretch) {
  for (const Blit& piece :
       BackgroundPieces(skin.width(), skin.height(), width, height, border, caption, stretch)) {
    DrawSkinPiece(cr, skin, piece, /*replace=*/true);
  }
}

std::string SkinResourcePath(int id) { return "/ylcskelvo/skin/" + std::to_string(id) + ".png"; }

SkinImage LoadSkinImage(int id) {
  const GObjectPtr<GdkPixbuf> pixbuf = PixbufFromResource(SkinResourcePath(id));
  return ImageToKeyedBitmap(pixbuf.get());
}

SkinImage ImageToKeyedBitmap(const GdkPixbuf* image) {
  return SkinImage(ConvertPixbuf(image, [](Rgb colour, std::uint8_t alpha) {
    const KeyedPixel keyed = ToKeyedPixel(colour, alpha);
    return keyed.is_key ? 0u : Argb(255, keyed.colour);
  }));
}

SkinImage LoadImageFileBitmap(const std::string& path, int* width, int* height) {
  GError* error = nullptr;
  const GObjectPtr<GdkPixbuf> pixbuf =
      GObjectPtr<GdkPixbuf>::Adopt(gdk_pixbuf_new_from_file(path.c_str(), &error));
  GErrorPtr owned(error);
  SkinImage image(ConvertPixbuf(pixbuf.get(), [](Rgb c, std::uint8_t a) {
    auto over_white = [a](std::uint8_t v) {
      return static_cast<std::uint8_t>((v * a + 255 * (255 - a) + 127) / 255);
    };
    return Argb(255, {over_white(c.r), over_white(c.g), over_white(c.b)});
  }));
  if (width) *width = image.width();
  if (height) *height = image.height();
  return image;
}

CairoSurfacePtr LoadPngResourceImage() {
  const GObjectPtr<GdkPixbuf> pixbuf = PixbufFromResource(SkinResourcePath(129));
  return ConvertPixbuf(pixbuf.get(), [](Rgb c, std::uint8_t a) {
    auto pre = [a](std::uint8_t v) { return static_cast<std::uint8_t>((v * a + 127) / 255); };
    return Argb(a, {pre(c.r), pre(c.g), pre(c.b)});
  });
}

GObjectPtr<GdkPixbuf> LoadProgramIcon(int size) {
  return PixbufFromResource("/ylcskelvo/icons/ylcskelvo-" + std::to_string(size) + ".png");
}

}  // namespace ylcs
