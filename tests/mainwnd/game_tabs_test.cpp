#include "rules/mainwnd/game_tabs.h"

#include <gtest/gtest.h>

namespace ylcs {
namespace {

TEST(GameTabs, CaptionsStayWithTheFramesOfTheirChild) {
  GameTabs tabs;
  ASSERT_TRUE(tabs.AddCaption(101, "3服-一区-alice"));
  ASSERT_TRUE(tabs.AddCaption(102, "3服-一区-bob"));
  // The second login's frame comes first.
  EXPECT_EQ(tabs.AddFrame(102, 0xB0B), 0);
  EXPECT_EQ(tabs.AddFrame(101, 0xA11CE), 1);
  EXPECT_EQ(tabs.at(0).caption, "3服-一区-bob");
  EXPECT_EQ(tabs.at(1).caption, "3服-一区-alice");
  EXPECT_EQ(tabs.IndexOfFrame(0xA11CE), 1);
  EXPECT_TRUE(tabs.PendingChildren().empty());
}

TEST(GameTabs, DuplicatesAreExactAndIncludeLoginsUnderWay) {
  GameTabs tabs;
  ASSERT_TRUE(tabs.AddCaption(1, "3服-一区-alice"));
  EXPECT_FALSE(tabs.AddCaption(2, "3服-一区-alice"));  // pending in another child
  tabs.AddFrame(1, 10);
  EXPECT_FALSE(tabs.AddCaption(3, "3服-一区-alice"));
  EXPECT_TRUE(tabs.AddCaption(3, "3服-一区-Alice"));  // case counts
  EXPECT_TRUE(tabs.AddCaption(4, "4服-一区-alice"));
  // A child that died before its frame came frees its caption.
  tabs.DropPending(3);
  EXPECT_EQ(tabs.PendingChildren(), std::vector<pid_t>{4});
  EXPECT_TRUE(tabs.AddCaption(5, "3服-一区-Alice"));
  // Closing the tab frees the account too.
  tabs.Remove(0);
  EXPECT_EQ(tabs.count(), 0);
  EXPECT_TRUE(tabs.AddCaption(6, "3服-一区-alice"));
  tabs.Remove(5);  // out of range: nothing happens
}

TEST(GameTabs, FrameWithoutCaptionIsStillATab) {
  GameTabs tabs;
  EXPECT_EQ(tabs.AddFrame(9, 99), 0);
  EXPECT_EQ(tabs.at(0).caption, "");
}

}  // namespace
}  // namespace ylcs
