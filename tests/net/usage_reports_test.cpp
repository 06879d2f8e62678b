#include <gtest/gtest.h>

#include <string>

#include "rules/app/usage_reports.h"

namespace ylcs {
namespace {

TEST(UsageReports, AddressesCarryTagVersionAndCount) {
  const struct {
    UsageReport report;
    std::uint32_t count;
    const char* address;
    Counter counter;
  } cases[] = {
      {UsageReport::Install, 1, "http://svc:81/install.htm?tag=ylcskelvo&ver=3.0.0.1&count=1", Counter::Inst},
      {UsageReport::Active, 42, "http://svc:81/active.htm?tag=ylcskelvo&ver=3.0.0.1&count=42", Counter::Game},
      {UsageReport::ChannelActive, 3, "http://svc:81/active.htm?tag=webmira&ver=3.0.0.1&count=3",
       Counter::Kelvo},
      {UsageReport::Uninstall, 4294967295u,
       "http://svc:81/uninstall.htm?tag=ylcskelvo&ver=3.0.0.1&count=4294967295", Counter::UnInst},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UsageReportAddress("svc:81", c.report, c.count), c.address);
    EXPECT_EQ(UsageReportCounter(c.report), c.counter);
  }
}

TEST(UsageReports, AddressIsCutToItsBuffer) {
  const std::string host(600, 'h');
  const std::string address = UsageReportAddress(host, UsageReport::Active, 1);
  EXPECT_EQ(address.size(), 511u);
  EXPECT_EQ(address, ("http://" + host).substr(0, 511));
}

}  // namespace
}  // namespace ylcs
