#include <gtest/gtest.h>

#include "rules/app/settings_values.h"

namespace ylcs {
namespace {

TEST(SettingsValues, CountersCountOnFromWhatIsStored) {
  const struct {
    const char* stored;
    const char* next;
  } cases[] = {
      {"0", "1"},
      {"abc", "1"},
      {"-1", "0"},
      {"41", "42"},
      {"-5", "4294967292"},  // a negative count is written back unsigned
      {"2147483647", "2147483648"},
      {"99999999999", "2147483648"},  // clamped before the increment
      {"-99999999999", "2147483649"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatCounter(NextCounterValue(c.stored)), c.next) << c.stored;
}

TEST(SettingsValues, HotKeyValues) {
  const struct {
    const char* stored;
    HotKey key;
  } cases[] = {
      {"0,121", {0, 121}},  // boss key default: F10
      {"2,9", {2, 9}},      // Ctrl+Tab
      {"2,81", {2, 81}},    // Ctrl+Q
      {"2", {2, 0}},        // no comma: modifiers only, a key that never occurs
      {"121", {121, 0}},   {"", {0, 0}}, {"x,y", {0, 0}}, {"6,65,7", {6, 65}}, {" 1 , 112", {1, 112}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseHotKeyValue(c.stored), c.key) << c.stored;
  EXPECT_EQ(ParseHotKeyValue(kBossKeyDefault), (HotKey{0, 121}));
  EXPECT_EQ(FormatHotKeyValue({6, 65}), "6,65");
}

}  // namespace
}  // namespace ylcs
