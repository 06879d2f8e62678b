#pragma once
// The usage reports sent to the client service: which counter each one counts and its address.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "rules/app/settings_values.h"

namespace ylcs {

enum class UsageReport { Install, Active, ChannelActive, Uninstall };

// Path and query of the report on the client service.
std::string_view UsageReportPath(UsageReport report);
Counter UsageReportCounter(UsageReport report);

// The address is formatted into, and copied by the report thread into, a buffer of this size.
inline constexpr std::size_t kReportAddressBufferChars = 512;

// "http://" + host + path + "&count=" + count, cut to what the buffer holds.
std::string UsageReportAddress(std::string_view service_host, UsageReport report, std::uint32_t count);

}  // namespace ylcs
