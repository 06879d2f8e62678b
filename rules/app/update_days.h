#pragma once
// The two registry values that decide when the daily update check may run: the date of the last
// successful update ("UpdTime") and the weekdays drawn at installation ("DisableDays").

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace ylcs {

inline constexpr const char* kRegistryKeyPath = "Software\\Kelvo\\ViviVador\\YlcsKelvo";
inline constexpr const char* kUpdTimeValue = "UpdTime";
inline constexpr const char* kDisableDaysValue = "DisableDays";

// A calendar time in the field order of the stored 16-byte record (eight little-endian words).
struct SystemTime {
  std::uint16_t year = 0;
  std::uint16_t month = 0;
  std::uint16_t day_of_week = 0;  // 0 = Sunday
  std::uint16_t day = 0;
  std::uint16_t hour = 0;
  std::uint16_t minute = 0;
  std::uint16_t second = 0;
  std::uint16_t milliseconds = 0;
  friend bool operator==(const SystemTime&, const SystemTime&) = default;
};

// UTC calendar time of a moment given in milliseconds since 1970-01-01 00:00 UTC.
SystemTime SystemTimeFromUnixMillis(std::int64_t unix_millis);

std::array<std::uint8_t, 16> EncodeSystemTime(const SystemTime& time);
// A shorter or missing record reads as zero-filled, like a read into a zeroed buffer.
SystemTime DecodeSystemTime(const std::vector<std::uint8_t>& bytes);

// The C run-time's `rand`: state 1 at thread start, never seeded by the program.
class MsvcRand {
 public:
  int Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
  }

 private:
  std::uint32_t state_ = 1;
};

// The 32-bit DisableDays value drawn from the milliseconds of the install time, using the first
// two calls of `rand`.
std::uint32_t DrawDisableDays(std::uint16_t milliseconds, MsvcRand& rand);
std::array<std::uint8_t, 4> EncodeDisableDays(std::uint32_t value);
// Missing or short values read as 0 (no disabled days).
std::uint32_t DecodeDisableDays(const std::optional<std::vector<std::uint8_t>>& bytes);

// Whether the daily update check may run at `now_utc`; `key_readable` is false when the
// registry key could not be opened.
bool IsUpdateCheckDue(bool key_readable, const std::optional<std::vector<std::uint8_t>>& upd_time,
                      const std::optional<std::vector<std::uint8_t>>& disable_days,
                      const SystemTime& now_utc);

}  // namespace ylcs
