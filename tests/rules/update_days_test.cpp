#include <gtest/gtest.h>

#include "rules/app/update_days.h"

namespace ylcs {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Milliseconds since the epoch of a UTC date and time.
std::int64_t At(int days_since_epoch, int hour, int minute = 0) {
  return (std::int64_t{days_since_epoch} * 86400 + hour * 3600 + minute * 60) * 1000;
}
constexpr int kFri2026Dec11 = 20798;

TEST(UpdateDays, CalendarOfAMoment) {
  const SystemTime t = SystemTimeFromUnixMillis(At(kFri2026Dec11, 23, 59) + 999);
  EXPECT_EQ(t, (SystemTime{2026, 12, 5, 11, 23, 59, 0, 999}));
  EXPECT_EQ(SystemTimeFromUnixMillis(0), (SystemTime{1970, 1, 4, 1, 0, 0, 0, 0}));
  EXPECT_EQ(SystemTimeFromUnixMillis(At(11016, 12)).day, 29u);  // 2000-02-29, a leap day
  const auto encoded = EncodeSystemTime(t);
  const SystemTime back = DecodeSystemTime(Bytes(encoded.begin(), encoded.end()));
  EXPECT_EQ(back, t);
  EXPECT_EQ(DecodeSystemTime({0xEA, 0x07}), (SystemTime{2026, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(UpdateDays, RunTimeGeneratorSequence) {
  MsvcRand rand;
  EXPECT_EQ(rand.Next(), 41);
  EXPECT_EQ(rand.Next(), 18467);
  EXPECT_EQ(rand.Next(), 6334);
}

TEST(UpdateDays, WeekdayDrawForChosenMilliseconds) {
  // Stored little-endian: byte 0 = second draw, byte 1 = first draw, byte 2 = from the ms.
  const struct {
    std::uint16_t ms;
    std::array<std::uint8_t, 4> bytes;
  } cases[] = {
      {0, {1, 6, 0, 0}},   {48, {2, 0, 6, 0}},
      {49, {1, 3, 0, 0}},                        // 41 + 7 - 49 wraps around 2^32 before the remainder
      {100, {6, 1, 2, 0}}, {999, {3, 5, 4, 0}},  // the ms day equals the first draw and moves back by one
  };
  for (const auto& c : cases) {
    MsvcRand rand;
    EXPECT_EQ(EncodeDisableDays(DrawDisableDays(c.ms, rand)), c.bytes) << c.ms;
  }
}

TEST(UpdateDays, DailyCheckIsDueByDateAndWeekday) {
  const SystemTime friday = SystemTimeFromUnixMillis(At(kFri2026Dec11, 10));
  const auto today = EncodeSystemTime(SystemTimeFromUnixMillis(At(kFri2026Dec11, 0, 1)));
  const auto yesterday = EncodeSystemTime(SystemTimeFromUnixMillis(At(kFri2026Dec11 - 1, 23, 59)));
  const Bytes mon_wed_fri = {1, 3, 5, 0};
  const Bytes sun_wed = {0, 3, 0, 0};
  const std::optional<Bytes> none;

  EXPECT_TRUE(IsUpdateCheckDue(true, none, none, friday));
  EXPECT_FALSE(IsUpdateCheckDue(false, none, none, friday));
  EXPECT_FALSE(IsUpdateCheckDue(true, Bytes(today.begin(), today.end()), none, friday));
  EXPECT_TRUE(IsUpdateCheckDue(true, Bytes(yesterday.begin(), yesterday.end()), none, friday));
  EXPECT_FALSE(IsUpdateCheckDue(true, none, mon_wed_fri, friday));

  const struct {
    int day;
    bool due_mwf;
    bool due_sun_wed;
  } week[] = {
      {kFri2026Dec11 + 1, true, true},    // Saturday
      {kFri2026Dec11 + 2, true, false},   // Sunday
      {kFri2026Dec11 + 3, false, true},   // Monday
      {kFri2026Dec11 + 4, true, true},    // Tuesday
      {kFri2026Dec11 + 5, false, false},  // Wednesday
      {kFri2026Dec11 + 6, true, true},    // Thursday
  };
  for (const auto& d : week) {
    const SystemTime now = SystemTimeFromUnixMillis(At(d.day, 12));
    EXPECT_EQ(IsUpdateCheckDue(true, none, mon_wed_fri, now), d.due_mwf) << now.day_of_week;
    EXPECT_EQ(IsUpdateCheckDue(true, none, sun_wed, now), d.due_sun_wed) << now.day_of_week;
  }
  // An all-zero value disables nothing, not Sundays.
  EXPECT_TRUE(
      IsUpdateCheckDue(true, none, Bytes{0, 0, 0, 0}, SystemTimeFromUnixMillis(At(kFri2026Dec11 + 2, 9))));
  // A value too short to be a DisableDays record disables nothing.
  EXPECT_TRUE(IsUpdateCheckDue(true, none, Bytes{5}, friday));
}

}  // namespace
}  // namespace ylcs
