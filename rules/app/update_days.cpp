#include "rules/app/update_days.h"

namespace ylcs {

namespace {

// Days since 1970-01-01 to a civil date (Howard Hinnant's algorithm).
void CivilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  y = static_cast<std::int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y += (m <= 2);
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

}  // namespace

SystemTime SystemTimeFromUnixMillis(std::int64_t unix_millis) {
  const std::int64_t days = FloorDiv(unix_millis, 86400000);
  const std::int64_t ms_of_day = unix_millis - days * 86400000;
  std::int64_t year = 0;
  unsigned month = 0;
  unsigned day = 0;
  CivilFromDays(days, year, month, day);
  SystemTime t;
  t.year = static_cast<std::uint16_t>(year);
  t.month = static_cast<std::uint16_t>(month);
  t.day = static_cast<std::uint16_t>(day);
  // 1970-01-01 was a Thursday (4).
  t.day_of_week = static_cast<std::uint16_t>(((days % 7) + 11) % 7);
  t.hour = static_cast<std::uint16_t>(ms_of_day / 3600000);
  t.minute = static_cast<std::uint16_t>(ms_of_day / 60000 % 60);
  t.second = static_cast<std::uint16_t>(ms_of_day / 1000 % 60);
  t.milliseconds = static_cast<std::uint16_t>(ms_of_day % 1000);
  return t;
}

std::array<std::uint8_t, 16> EncodeSystemTime(const SystemTime& time) {
  const std::uint16_t words[8] = {time.year, time.month,  time.day_of_week, time.day,
                                  time.hour, time.minute, time.second,      time.milliseconds};
  std::array<std::uint8_t, 16> bytes{};
  for (std::size_t i = 0; i < 8; ++i) {
    bytes[2 * i] = static_cast<std::uint8_t>(words[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<std::uint8_t>(words[i] >> 8);
  }
  return bytes;
}

SystemTime DecodeSystemTime(const std::vector<std::uint8_t>& bytes) {
  std::uint16_t words[8] = {};
  for (std::size_t i = 0; i < 16 && i < bytes.size(); ++i) {
    words[i / 2] = static_cast<std::uint16_t>(words[i / 2] | (bytes[i] << (8 * (i % 2))));
  }
  return SystemTime{words[0], words[1], words[2], words[3], words[4], words[5], words[6], words[7]};
}

std::uint32_t DrawDisableDays(std::uint16_t milliseconds, MsvcRand& rand) {
  // The sums are unsigned 32-bit, so a millisecond count above rand() + 7 wraps around.
  const std::uint32_t ms = milliseconds;
  const std::uint32_t first = (static_cast<std::uint32_t>(rand.Next()) + 7u - ms) % 7u;
  std::uint32_t second = (static_cast<std::uint32_t>(rand.Next()) + 7u - ms) % 7u;
  std::uint32_t third = ms % 7u;
  if (third == first) third = (third + 6u) % 7u;
  if (first == second) second = (second + 1u) % 7u;
  return third * 65536u + first * 256u + second;
}

std::array<std::uint8_t, 4> EncodeDisableDays(std::uint32_t value) {
  return {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>((value >> 8) & 0xFF),
          static_cast<std::uint8_t>((value >> 16) & 0xFF), static_cast<std::uint8_t>(value >> 24)};
}

std::uint32_t DecodeDisableDays(const std::optional<std::vector<std::uint8_t>>& bytes) {
  if (!bytes || bytes->size() < 4) return 0;
  const auto& b = *bytes;
  return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
         (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

bool IsUpdateCheckDue(bool key_readable, const std::optional<std::vector<std::uint8_t>>& upd_time,
                      const std::optional<std::vector<std::uint8_t>>& disable_days,
                      const SystemTime& now_utc) {
  if (!key_readable) return false;
  const SystemTime last = upd_time ? DecodeSystemTime(*upd_time) : SystemTime{};
  if (last.year == now_utc.year && last.month == now_utc.month && last.day == now_utc.day) return false;
  const std::uint32_t days = DecodeDisableDays(disable_days);
  if (days != 0) {
    for (int i = 0; i < 3; ++i) {
      if (now_utc.day_of_week == ((days >> (8 * i)) & 0xFF)) return false;
    }
  }
  return true;
}

}  // namespace ylcs
