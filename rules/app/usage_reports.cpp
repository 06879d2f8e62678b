#include "rules/app/usage_reports.h"

#include "rules/base/text_buffer.h"

namespace ylcs {

std::string_view UsageReportPath(UsageReport report) {
  switch (report) {
    case UsageReport::Install: return "/install.htm?tag=ylcskelvo&ver=3.0.0.1";
    case UsageReport::Active: return "/active.htm?tag=ylcskelvo&ver=3.0.0.1";
    case UsageReport::ChannelActive: return "/active.htm?tag=webmira&ver=3.0.0.1";
    case UsageReport::Uninstall: return "/uninstall.htm?tag=ylcskelvo&ver=3.0.0.1";
  }
  return "";
}

Counter UsageReportCounter(UsageReport report) {
  switch (report) {
    case UsageReport::Install: return Counter::Inst;
    case UsageReport::Active: return Counter::Game;
    case UsageReport::ChannelActive: return Counter::Kelvo;
    case UsageReport::Uninstall: return Counter::UnInst;
  }
  return Counter::Game;
}

std::string UsageReportAddress(std::string_view service_host, UsageReport report, std::uint32_t count) {
  std::string address = "http://";
  address += service_host;
  address += UsageReportPath(report);
  address += "&count=";
  address += std::to_string(count);
  return TruncateToBuffer(address, kReportAddressBufferChars);
}

}  // namespace ylcs
