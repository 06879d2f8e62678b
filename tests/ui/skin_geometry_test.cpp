#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "rules/ui/skin_geometry.h"

namespace ylcs {
namespace {

TEST(KeyedPixel, OpaqueTransparentAndBlendedOverWhite) {
  EXPECT_EQ(ToKeyedPixel({10, 20, 30}, 255), (KeyedPixel{{10, 20, 30}, false}));
  // Alpha 0 is the key colour whatever the colour channels say.
  EXPECT_EQ(ToKeyedPixel({10, 20, 30}, 0), (KeyedPixel{kKeyColour, true}));
  EXPECT_EQ(ToKeyedPixel({0, 0, 0}, 128), (KeyedPixel{{127, 127, 127}, false}));
  EXPECT_EQ(ToKeyedPixel({0, 0, 0}, 1), (KeyedPixel{{254, 254, 254}, false}));
  EXPECT_EQ(ToKeyedPixel({255, 255, 255}, 77), (KeyedPixel{{255, 255, 255}, false}));
  EXPECT_EQ(ToKeyedPixel({255, 0, 100}, 254), (KeyedPixel{{255, 1, 100}, false}));
}

// A skin whose corners are rounded off: in each corner, the pixels with x + y < 3 are the key colour.
struct RoundedSkin {
  int width;
  int height;
  bool operator()(int x, int y) const {
    const int dx = std::min(x, width - 1 - x);
    const int dy = std::min(y, height - 1 - y);
    return dx + dy < 3;
  }
};

std::set<std::pair<int, int>> AsSet(const std::vector<Point>& pixels) {
  std::set<std::pair<int, int>> s;
  for (const Point& p : pixels) s.emplace(p.x, p.y);
  return s;
}

TEST(CornerCutPixels, SkinWithoutTransparentCornersLeavesTheWindowRectangular) {
  EXPECT_TRUE(CornerCutPixels(30, 51, 400, 300, [](int, int) { return false; }).empty());
}

TEST(CornerCutPixels, RoundedSkinCutsEachCornerOfTheWindow) {
  const auto cut = AsSet(CornerCutPixels(30, 51, 30, 51, RoundedSkin{30, 51}));
  EXPECT_EQ(cut.size(), 4u * 6u);  // (0,0) (1,0) (2,0) (0,1) (1,1) (0,2) in each corner
  EXPECT_TRUE(cut.count({0, 0}) && cut.count({29, 0}) && cut.count({0, 50}) && cut.count({29, 50}));
  EXPECT_TRUE(cut.count({2, 0}) && cut.count({27, 50}));
  EXPECT_FALSE(cut.count({3, 0}) || cut.count({1, 2}) || cut.count({15, 25}));
}

TEST(CornerCutPixels, TwiceTheSkinsSizeKeepsTheCutsInTheCorners) {
  const RoundedSkin skin{30, 51};
  const auto small = CornerCutPixels(30, 51, 30, 51, skin);
  const auto big = AsSet(CornerCutPixels(30, 51, 60, 102, skin));
  EXPECT_EQ(big.size(), small.size());
  for (auto [x, y] : {std::pair{0, 0}, {2, 0}, {59, 0}, {57, 0}, {0, 101}, {59, 101}, {58, 100}}) {
    EXPECT_TRUE(big.count({x, y})) << x << "," << y;
  }
  EXPECT_FALSE(big.count({29, 0}) || big.count({0, 50}));  // the skin's own corners are not cut
}

TEST(CornerCutPixels, SkinShorterThanNineRowsScansOnlyItsRows) {
  // A strip 20 x 5 keyed only in its first column: the top and bottom scans cover the same five
  // rows, each mapped from the window's top and from its bottom.
  int reads_above_skin = 0;
  const auto cut = AsSet(CornerCutPixels(20, 5, 100, 40, [&](int x, int y) {
    if (y < 0) ++reads_above_skin;
    return x == 0;
  }));
  EXPECT_EQ(reads_above_skin, 0);
  for (int y = 0; y < 5; ++y) EXPECT_TRUE(cut.count({0, y}) && cut.count({0, 35 + y})) << y;
  EXPECT_EQ(cut.size(), 10u);
}

TEST(BackgroundPieces, NineGridKeepsCornersAndStretchesEdges) {
  // Skin 30 x 51, border 4, caption 30, drawn on 200 x 120.
  const auto pieces = BackgroundPieces(30, 51, 200, 120, 4, 30, true);
  ASSERT_EQ(pieces.size(), 9u);
  EXPECT_EQ(pieces[0], (Blit{{0, 0, 4, 30}, {0, 0, 4, 30}}));            // top-left
  EXPECT_EQ(pieces[1], (Blit{{4, 0, 26, 30}, {4, 0, 196, 30}}));         // caption band
  EXPECT_EQ(pieces[2], (Blit{{26, 0, 30, 30}, {196, 0, 200, 30}}));      // top-right
  EXPECT_EQ(pieces[5], (Blit{{4, 30, 26, 47}, {4, 30, 196, 116}}));      // centre
  EXPECT_EQ(pieces[8], (Blit{{26, 47, 30, 51}, {196, 116, 200, 120}}));  // bottom-right
}

TEST(BackgroundPieces, NaturalSizeFitsRightEdgeAndBottomRow) {
  const auto pieces = BackgroundPieces(284, 150, 284, 150, 3, 30, false);
  ASSERT_FALSE(pieces.empty());
  EXPECT_EQ(pieces[0], (Blit{{0, 0, 284, 150}, {0, 0, 284, 150}}));
  // A window larger than the skin: the skin is not read beyond its size.
  const auto wider = BackgroundPieces(100, 50, 300, 80, 3, -1, false);
  EXPECT_EQ(wider[0], (Blit{{0, 0, 100, 50}, {0, 0, 100, 50}}));
  EXPECT_EQ(wider.back(), (Blit{{97, 47, 100, 50}, {297, 77, 300, 80}}));
}

TEST(CaptionPlacement, IconAndTitleY) {
  EXPECT_EQ(CaptionIconY(-1), 6);
  EXPECT_EQ(CaptionTitleY(-1, 12), 4);
  EXPECT_EQ(CaptionTitleY(-1, 2), 4);
  EXPECT_EQ(CaptionTitleY(30, 12), 7);
  EXPECT_EQ(CaptionIconY(30), 7);
  EXPECT_EQ(CaptionTitleY(0, 12), 4);  // (0 - 12 + 1) / 2 = -5: negative, so 6 - 2
  EXPECT_EQ(CaptionTitleX(4, true), 25);
  EXPECT_EQ(CaptionTitleX(3, false), 8);
}

TEST(HitTest, ResizableWindowWithCaptionBand) {
  const HitTestFrame frame{400, 300, 4, 30, true, false};
  const struct {
    int x, y;
    HitCode code;
  } cases[] = {
      {2, 2, HitCode::TopLeft},         {100, 1, HitCode::Top},      {100, 20, HitCode::Caption},
      {100, 50, HitCode::Client},       {100, 298, HitCode::Bottom}, {0, 150, HitCode::Left},
      {397, 150, HitCode::Right},       {399, 0, HitCode::TopRight}, {1, 299, HitCode::BottomLeft},
      {398, 297, HitCode::BottomRight}, {100, 3, HitCode::Caption},  {100, 296, HitCode::Bottom},
      {100, 295, HitCode::Client},
  };
  for (const auto& c : cases) EXPECT_EQ(HitTest(frame, c.x, c.y), c.code) << c.x << "," << c.y;
}

TEST(HitTest, FixedMaximisedAndWholeCaptionWindows) {
  const HitTestFrame fixed{200, 150, 4, 30, false, false};
  EXPECT_EQ(HitTest(fixed, 1, 1), HitCode::Caption);
  EXPECT_EQ(HitTest(fixed, 100, 29), HitCode::Caption);
  EXPECT_EQ(HitTest(fixed, 100, 30), HitCode::Client);
  const HitTestFrame whole{200, 150, 3, -1, false, false};
  for (auto [x, y] : {std::pair{0, 0}, {199, 149}, {100, 75}})
    EXPECT_EQ(HitTest(whole, x, y), HitCode::Caption);
  const HitTestFrame maximised{200, 150, 4, 30, true, true};
  EXPECT_EQ(HitTest(maximised, 1, 1), HitCode::Client);
  EXPECT_EQ(HitTest(maximised, 100, 10), HitCode::Client);
}

TEST(HitTest, BordersMapToSizeCommands) {
  EXPECT_EQ(SizeCommandForHit(HitCode::Left), 0xF001);
  EXPECT_EQ(SizeCommandForHit(HitCode::Top), 0xF003);
  EXPECT_EQ(SizeCommandForHit(HitCode::BottomRight), 0xF008);
  EXPECT_EQ(SizeCommandForHit(HitCode::Caption), 0);
  EXPECT_FALSE(IsSizingBorder(HitCode::Client));
}

TEST(Maximize, WorkAreaNarrowedAndCentred) {
  const Rect work{0, 0, 1920, 1040};
  EXPECT_EQ(MaximizedRect(work, 1440, 900), (Rect{240, 70, 1680, 970}));
  EXPECT_EQ(MaximizedRect(work, 1920, 1040), work);
  EXPECT_EQ(MaximizedRect({100, 40, 2020, 1080}, 4000, 900), (Rect{100, 110, 2020, 1010}));
  EXPECT_EQ(InitialRestoreRect(work), (Rect{240, 130, 1680, 910}));
}

TEST(CaptionButtons, PlacedFromTheRight) {
  const auto all = PlaceCaptionButtons(800, 0, 0, 0, {33, 28}, {27, 28}, {27, 28});
  EXPECT_EQ(all.close, (Rect{767, 0, 800, 28}));
  EXPECT_EQ(all.maximize, (Rect{740, 0, 767, 28}));
  EXPECT_EQ(all.minimize, (Rect{713, 0, 740, 28}));
  const auto close_only = PlaceCaptionButtons(300, 5, 1, 2, {33, 28}, {0, 0}, {0, 0});
  EXPECT_EQ(close_only.close, (Rect{262, 1, 295, 29}));
  EXPECT_EQ(close_only.maximize, Rect{});
  const auto no_max = PlaceCaptionButtons(300, 0, 0, 2, {33, 28}, {0, 0}, {27, 28});
  EXPECT_EQ(no_max.minimize, (Rect{238, 0, 265, 28}));
}

TEST(DialogUnits, ConvertedByBaseUnitsAndRounded) {
  EXPECT_EQ(MulDiv(389, 6, 4), 584);  // 583.5 rounds up
  EXPECT_EQ(MulDiv(-5, 1, 2), -3);
  EXPECT_EQ(MulDiv(5, 1, 0), -1);
  EXPECT_EQ(DialogUnitsToPixels(95, 71, 42, 14, 6, 13), (Rect{143, 115, 206, 138}));
}

}  // namespace
}  // namespace ylcs
