#pragma once
// Skin pictures. The artwork lives in the program's resource bundle as PNG files named by id
// (/ylcskelvo/skin/<id>.png). A skin image is a cairo image surface in which every pixel is
// either opaque or fully transparent: fully transparent PNG pixels are the key colour, which is
// never drawn, and partly transparent ones are blended over white, as the skins were made for.
// The login background keeps its per-pixel alpha instead (LoadPngResourceImage).

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <string>

#include "platform/handles.h"
#include "rules/ui/skin_geometry.h"

namespace ylcs {

// A shared, immutable picture: copies refer to the same pixels (as widgets that keep a copy of a
// strip do); the pixels go when the last copy does.
class SkinImage {
 public:
  SkinImage() = default;
  explicit SkinImage(CairoSurfacePtr surface) : surface_(std::move(surface)) {}
  SkinImage(const SkinImage& other);
  SkinImage& operator=(const SkinImage& other);
  SkinImage(SkinImage&&) noexcept = default;
  SkinImage& operator=(SkinImage&&) noexcept = default;
  ~SkinImage() = default;

  cairo_surface_t* surface() const { return surface_.get(); }
  int width() const;
  int height() const;
  explicit operator bool() const { return static_cast<bool>(surface_); }
  // Whether the pixel is the key colour (nothing is drawn there). Outside the picture: false.
  bool IsKey(int x, int y) const;

 private:
  CairoSurfacePtr surface_;
};

// Copies (or stretches, nearest neighbour, as StretchBlt did) the piece's source rectangle of the
// image onto its target rectangle. Key pixels are left out, or with `replace` they clear the target.
void DrawSkinPiece(cairo_t* cr, const SkinImage& image, const Blit& piece, bool replace = false);

// Paints a window background of width x height from `skin`: the pieces of BackgroundPieces (a
// 9-grid when `stretch`, else the skin at its natural size with fitted right edge and bottom row),
// replacing what was there.
void PaintSkinBackground(cairo_t* cr, const SkinImage& skin, int width, int height, int border, int caption,
                         bool stretch);

// The resource path of a skin id.
std::string SkinResourcePath(int id);

// Loads skin `id` from the program's resources; an empty image when there is none.
SkinImage LoadSkinImage(int id);

// Converts a decoded picture into a skin image (key pixels transparent, the rest opaque).
SkinImage ImageToKeyedBitmap(const GdkPixbuf* image);

// Loads any picture file the image loaders decode (JPEG, PNG, ...), drawn over white, with its
// size; an empty image (and 0 x 0) when it cannot be read.
SkinImage LoadImageFileBitmap(const std::string& path, int* width, int* height);

// The login background (PNG 129) with its per-pixel alpha, premultiplied as cairo wants it; null
// when it cannot be loaded.
CairoSurfacePtr LoadPngResourceImage();

// The program icon at one of the sizes of the bundle (16, 22, 24, 32, 48, 64, 128, 256).
GObjectPtr<GdkPixbuf> LoadProgramIcon(int size);
inline constexpr int kProgramIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

}  // namespace ylcs
