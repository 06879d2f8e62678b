#include "rules/mainwnd/tab_strip.h"

#include <gtest/gtest.h>

namespace ylcs {
namespace {

TEST(TabStrip, PointsAtTheEdgesOfTheStrip) {
  const struct {
    int x, y, count;
    std::optional<int> tab;
    std::optional<int> close_box;
  } cases[] = {
      {120, 10, 3, std::nullopt, std::nullopt},  // the left edge is not on the strip
      {121, 10, 3, 0, std::nullopt},
      {120 + 189 * 3, 10, 3, std::nullopt, std::nullopt},  // nor is the right end
      {120 + 189 * 3 - 1, 20, 3, 2, std::nullopt},
      {120 + 189 * 3 - 1, 10, 3, 2, 2},
      {200, 2, 3, std::nullopt, std::nullopt},
      {200, 3, 3, 0, std::nullopt},
      {200, 24, 3, 0, std::nullopt},
      {200, 25, 3, std::nullopt, std::nullopt},
      {296, 3, 3, 0, 0},  // close box corners of tab 0
      {308, 15, 3, 0, 0},
      {308, 16, 3, 0, std::nullopt},
      {295, 3, 3, 0, std::nullopt},
      {309, 3, 3, 1, std::nullopt},             // already tab 1
      {309, 3, 1, std::nullopt, std::nullopt},  // off the strip with one tab
      {296 + 189, 3, 2, 1, 1},
      {200, 10, 0, std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TabAtPoint(c.x, c.y, c.count), c.tab) << c.x << "," << c.y << " of " << c.count;
    EXPECT_EQ(CloseBoxTabAtPoint(c.x, c.y, c.count), c.close_box) << c.x << "," << c.y << " of " << c.count;
  }
  EXPECT_EQ(TabBounds(1), (TabRect{309, 3, 498, 25}));
  EXPECT_EQ(CloseBoxBounds(2), (TabRect{674, 3, 687, 16}));
  EXPECT_EQ(CaptionBounds(0), (TabRect{136, 8, 296, 22}));
  EXPECT_EQ(TabImageIndex(1, 1, 1), 2);
  EXPECT_EQ(TabImageIndex(0, 1, 0), 1);
  EXPECT_EQ(TabImageIndex(2, 1, 0), 0);
}

TEST(TabStrip, HoverRepaintsOnlyWhatChangedAndMovesTheTooltip) {
  TabStripState strip;
  // Onto tab 0: its tooltip shows and the tab repaints; leave tracking is requested once.
  StripEffects e = strip.HitTest(150, 10, 3, false, false);
  EXPECT_EQ(strip.hot(), 0);
  EXPECT_EQ(strip.close_box(), CloseBoxState::Normal);
  EXPECT_EQ(e.tooltip, TooltipAction::Show);
  EXPECT_EQ(e.tooltip_tab, 0);
  EXPECT_EQ(e.invalidate, std::vector<TabRect>{TabBounds(0)});
  EXPECT_TRUE(e.request_leave_tracking);
  // Moving within the tab changes nothing.
  e = strip.HitTest(160, 12, 3, false, false);
  EXPECT_TRUE(e.invalidate.empty());
  EXPECT_EQ(e.tooltip, TooltipAction::Keep);
  EXPECT_FALSE(e.request_leave_tracking);
  // Onto the close box: only the close box repaints, the tooltip hides.
  e = strip.HitTest(300, 5, 3, false, false);
  EXPECT_EQ(strip.close_box(), CloseBoxState::Hover);
  EXPECT_EQ(e.invalidate, std::vector<TabRect>{CloseBoxBounds(0)});
  EXPECT_EQ(e.tooltip, TooltipAction::Hide);
  e = strip.HitTest(300, 5, 3, true, false);
  EXPECT_EQ(strip.close_box(), CloseBoxState::Pressed);
  // Over to tab 1: the old tab and the new one repaint.
  e = strip.HitTest(350, 20, 3, false, false);
  EXPECT_EQ(strip.hot(), 1);
  EXPECT_EQ(e.invalidate, (std::vector<TabRect>{TabBounds(0), TabBounds(1)}));
  EXPECT_EQ(e.tooltip, TooltipAction::Show);  // inactive since the close box: shows tab 1
  EXPECT_EQ(e.tooltip_tab, 1);
  // Tab 1 to tab 2 with the tooltip showing: hidden once, shown with the next movement.
  e = strip.HitTest(560, 20, 3, false, false);
  EXPECT_EQ(e.tooltip, TooltipAction::Hide);
  e = strip.HitTest(561, 20, 3, false, false);
  EXPECT_EQ(e.tooltip, TooltipAction::Show);
  EXPECT_EQ(e.tooltip_tab, 2);
  // Off the strip: the hot tab repaints and everything resets.
  e = strip.HitTest(50, 10, 3, false, false);
  EXPECT_EQ(e.invalidate, std::vector<TabRect>{TabBounds(2)});
  EXPECT_EQ(strip.hot(), -1);
  EXPECT_EQ(strip.close_box(), CloseBoxState::Off);
  EXPECT_FALSE(strip.tooltip_active());
}

TEST(TabStrip, LeavingAndPressing) {
  TabStripState strip;
  strip.HitTest(400, 10, 2, false, true);
  StripEffects e = strip.MouseLeave();
  EXPECT_EQ(e.invalidate, std::vector<TabRect>{TabBounds(1)});
  EXPECT_EQ(strip.hot(), -1);
  EXPECT_TRUE(strip.MouseLeave().invalidate.empty());
  e = strip.PressCloseBox(1);
  EXPECT_EQ(strip.hot(), 1);
  EXPECT_EQ(strip.close_box(), CloseBoxState::Pressed);
  EXPECT_EQ(e.invalidate, std::vector<TabRect>{CloseBoxBounds(1)});
  // Pressed on tab 0's close box, released on tab 1's: tab 1 is the one closed.
  EXPECT_EQ(CloseBoxTabAtPoint(296 + 189 + 5, 8, 2), 1);
  strip.Reset();
  EXPECT_EQ(strip.close_box(), CloseBoxState::Off);
}

}  // namespace
}  // namespace ylcs
