#include "rules/hotkeys/virtual_keys.h"

#include <gtest/gtest.h>

namespace ylcs {
namespace {

TEST(VirtualKeys, KeysymsOfEachKindGiveTheirCode) {
  const std::pair<std::uint32_t, int> cases[] = {
      {0xffc7, 121},  // F10
      {0xffc2, 116},  // F5
      {0xff09, 9},    // Tab
      {0xfe20, 9},    // Shift+Tab
      {'q', 81},
      {'Q', 81},
      {'7', 55},
      {'&', 55},
      {')', 48},
      {'(', 57},
      {0xffb3, 99},  // keypad 3
      {0xff9c, 35},  // keypad End (Num Lock off)
      {0xffac, 108},
      {0xff0d, 13},
      {0xff8d, 13},
      {0xffe3, 17},
      {0xffea, 18},
      {';', 186},
      {':', 186},
      {'`', 192},
      {'\\', 220},
      {'"', 222},
      {0x4e2d, 0},  // a Chinese character has no key
                    // code
      {0, 0},
  };
  for (const auto& [keysym, vk] : cases) EXPECT_EQ(VirtualKeyOfKeysym(keysym), vk) << std::hex << keysym;
}

TEST(VirtualKeys, NamesAndShownShortcuts) {
  int named = 0;
  for (int vk = 0; vk < 256; ++vk) named += KeyName(vk).empty() ? 0 : 1;
  EXPECT_EQ(named, 97);
  EXPECT_EQ(KeyName(108), "");
  EXPECT_EQ(KeyName(100), "Num 4");
  EXPECT_EQ(KeyName(123), "F12");
  EXPECT_EQ(FormatHotKey({2, 9}), "Ctrl  +  Tab");
  EXPECT_EQ(FormatHotKey({0, 121}), "F10");
  EXPECT_EQ(FormatHotKey({6, 65}), "Ctrl  +  Shift  +  A");
  EXPECT_EQ(FormatHotKey({7, 81}), "Ctrl  +  Shift  +  Alt  +  Q");
  EXPECT_EQ(FormatHotKey(ParseHotKeyValue("121")), "无");
  EXPECT_EQ(FormatHotKey({0, 0}), "无");
}

TEST(VirtualKeys, AssignableKeysAndMatching) {
  EXPECT_TRUE(IsAssignableKey(122, false));
  EXPECT_FALSE(IsAssignableKey(123, false));  // F12
  EXPECT_TRUE(IsAssignableKey(9, true));
  EXPECT_FALSE(IsAssignableKey(9, false));
  for (int vk : {8, 46, 91, 27, 13, 19, 145, 16, 17, 18, 108}) EXPECT_FALSE(IsAssignableKey(vk, true)) << vk;
  for (int vk : {20, 33, 40, 45, 48, 90, 96, 107, 109, 111, 144, 186, 192, 219, 222}) {
    EXPECT_TRUE(IsAssignableKey(vk, false)) << vk;
  }
  EXPECT_TRUE(MatchesHotKey({2, 81}, 81, 2));
  EXPECT_FALSE(MatchesHotKey({2, 81}, 81, 6));  // Shift held too
  EXPECT_FALSE(MatchesHotKey({2, 9}, 9, 6));    // Ctrl+Shift+Tab is not Ctrl+Tab
  EXPECT_FALSE(MatchesHotKey({0, 0}, 0, 0));    // no key never fires
}

}  // namespace
}  // namespace ylcs
