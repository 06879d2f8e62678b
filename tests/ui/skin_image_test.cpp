#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/skin_image.h"
#include "platform/window_shape.h"

namespace ylcs {
namespace {

struct Artwork {
  int id;
  int width;
  int height;
  int frames;
  bool rounded;  // transparent corner pixels at the top left and top right
};

// The program's pictures: sizes, frame layouts and see-through corners the windows rely on.
constexpr Artwork kArtwork[] = {
    {129, 888, 518, 1, true}, {131, 30, 51, 1, true},   {132, 132, 28, 4, true},  {133, 228, 23, 4, true},
    {134, 30, 51, 1, true},   {135, 108, 28, 4, true},  {136, 108, 28, 4, true},  {137, 108, 28, 4, true},
    {138, 108, 27, 4, true},  {139, 176, 28, 4, true},  {140, 567, 22, 3, true},  {141, 39, 13, 3, true},
    {142, 14, 16, 1, true},   {143, 250, 191, 1, true}, {144, 144, 14, 4, false}, {145, 216, 22, 4, true},
    {146, 160, 212, 1, true}, {147, 250, 167, 1, true}, {148, 108, 27, 4, true},  {149, 108, 27, 4, true},
    {150, 316, 28, 4, true},  {151, 316, 28, 4, true},  {152, 390, 21, 1, true},  {153, 390, 21, 1, true},
    {162, 284, 150, 1, true},
};

TEST(SkinImage, EveryPictureHasItsSizeAndSeeThroughCorners) {
  for (const Artwork& art : kArtwork) {
    SCOPED_TRACE(art.id);
    const SkinImage skin = LoadSkinImage(art.id);
    ASSERT_TRUE(skin);
    EXPECT_EQ(skin.width(), art.width);
    EXPECT_EQ(skin.height(), art.height);
    EXPECT_EQ(skin.width() % art.frames, 0);
    if (art.rounded) {
      const int frame = art.width / art.frames;
      for (int f = 0; f < art.frames; ++f) {
        EXPECT_TRUE(skin.IsKey(f * frame, 0)) << "frame " << f;
        EXPECT_TRUE(skin.IsKey(f * frame + frame - 1, 0)) << "frame " << f;
      }
    }
  }
  // The notice picture without text keeps its top 22 rows clear beside the close tab.
  const SkinImage notice = LoadSkinImage(146);
  EXPECT_TRUE(notice.IsKey(50, 21));
  EXPECT_FALSE(notice.IsKey(50, 40));
  // Skins are opaque or see-through, nothing between (partial alpha was blended over white).
  const SkinImage bar = LoadSkinImage(153);
  cairo_surface_flush(bar.surface());
  const auto* data = cairo_image_surface_get_data(bar.surface());
  for (int y = 0; y < bar.height(); ++y) {
    const auto* row =
        reinterpret_cast<const std::uint32_t*>(data + y * cairo_image_surface_get_stride(bar.surface()));
    for (int x = 0; x < bar.width(); ++x) {
      const std::uint32_t alpha = row[x] >> 24;
      ASSERT_TRUE(alpha == 0 || alpha == 255) << x << "," << y;
    }
  }
  EXPECT_FALSE(LoadSkinImage(999));
}

TEST(SkinImage, DecodedPixelsBecomeKeyedPixels) {
  GdkPixbuf* raw = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, 3, 1);
  auto pixbuf = GObjectPtr<GdkPixbuf>::Adopt(raw);
  guint8* p = gdk_pixbuf_get_pixels(raw);
  const guint8 pixels[] = {10, 20, 30, 0, 0, 0, 0, 128, 200, 100, 50, 255};
  std::copy(std::begin(pixels), std::end(pixels), p);
  const SkinImage skin = ImageToKeyedBitmap(pixbuf.get());
  ASSERT_TRUE(skin);
  const auto* row = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(skin.surface()));
  EXPECT_TRUE(skin.IsKey(0, 0));
  EXPECT_EQ(row[1], 0xFF7F7F7Fu);  // black at alpha 128 over white
  EXPECT_EQ(row[2], 0xFFC86432u);
  EXPECT_FALSE(ImageToKeyedBitmap(nullptr));
}

TEST(SkinImage, PictureFilesAreDrawnOverWhite) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "ylcs-skin-test.png";
  GdkPixbuf* raw = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, 2, 1);
  auto pixbuf = GObjectPtr<GdkPixbuf>::Adopt(raw);
  const guint8 pixels[] = {0, 0, 0, 0, 0, 0, 255, 255};
  std::copy(std::begin(pixels), std::end(pixels), gdk_pixbuf_get_pixels(raw));
  ASSERT_TRUE(gdk_pixbuf_save(raw, file.c_str(), "png", nullptr, nullptr));
  int w = 0, h = 0;
  const SkinImage image = LoadImageFileBitmap(file.string(), &w, &h);
  EXPECT_EQ(w, 2);
  EXPECT_EQ(h, 1);
  const auto* row = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(image.surface()));
  EXPECT_EQ(row[0], 0xFFFFFFFFu);  // transparent comes out white, no key colour
  EXPECT_EQ(row[1], 0xFF0000FFu);
  std::filesystem::remove(file);
  EXPECT_FALSE(LoadImageFileBitmap("/nonexistent/PopWnd.jpg", &w, &h));
  EXPECT_EQ(w, 0);
}

TEST(SkinImage, LoginBackgroundKeepsItsAlpha) {
  const CairoSurfacePtr image = LoadPngResourceImage();
  ASSERT_TRUE(image);
  EXPECT_EQ(cairo_image_surface_get_width(image.get()), 888);
  EXPECT_EQ(cairo_image_surface_get_height(image.get()), 518);
  const auto* data = cairo_image_surface_get_data(image.get());
  const int stride = cairo_image_surface_get_stride(image.get());
  auto alpha = [&](int x, int y) {
    return reinterpret_cast<const std::uint32_t*>(data + y * stride)[x] >> 24;
  };
  EXPECT_EQ(alpha(0, 0), 0u);      // outside the shadow
  EXPECT_GT(alpha(444, 513), 0u);  // the drop shadow below the card
  EXPECT_LT(alpha(444, 513), 255u);
  EXPECT_EQ(alpha(444, 259), 255u);  // the card
  const CairoRegionPtr visible = RegionFromAlpha(image.get(), 128);
  EXPECT_FALSE(cairo_region_contains_point(visible.get(), 1, 1));
  EXPECT_TRUE(cairo_region_contains_point(visible.get(), 444, 259));
}

TEST(WindowShape, PixelsRemovedFromTheRectangle) {
  const CairoRegionPtr region = RegionWithoutPixels(10, 5, {{0, 0}, {9, 0}, {0, 4}});
  EXPECT_FALSE(cairo_region_contains_point(region.get(), 0, 0));
  EXPECT_FALSE(cairo_region_contains_point(region.get(), 9, 0));
  EXPECT_TRUE(cairo_region_contains_point(region.get(), 1, 0));
  EXPECT_TRUE(cairo_region_contains_point(region.get(), 9, 4));
  cairo_rectangle_int_t extents;
  cairo_region_get_extents(region.get(), &extents);
  EXPECT_EQ(extents.width, 10);
  EXPECT_EQ(extents.height, 5);
}

}  // namespace
}  // namespace ylcs
