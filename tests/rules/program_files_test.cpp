#include <gtest/gtest.h>

#include "rules/app/program_files.h"
#include "rules/app/usage_reports.h"

namespace ylcs {
namespace {

TEST(ProgramFiles, CrashReportLiesBesideTheProgram) {
  const std::pair<const char*, const char*> cases[] = {
      {"/opt/k/ylcskelvo", "/opt/k/ylcskelvo.dmp"},
      {"/opt/k/ylcskelvo.exe", "/opt/k/ylcskelvo.dmp"},
      {"/opt/k/ylcs.kelvo.bin", "/opt/k/ylcs.kelvo.dmp"},
      // A dot in a folder name never starts the extension.
      {"/home/a.b/Kelvo.d/ylcskelvo", "/home/a.b/Kelvo.d/ylcskelvo.dmp"},
      {"/opt/k/.hidden", "/opt/k/.hidden.dmp"},
  };
  for (const auto& [program, report] : cases) EXPECT_EQ(CrashReportPathFor(program), report);
}

TEST(ProgramFiles, ArgumentVectorsOfOwnStarts) {
  EXPECT_EQ(NewTabArguments("/i/ylcskelvo", 4194305, 2),
            (std::vector<std::string>{"/i/ylcskelvo", "/newgm", "/4194305", "/2"}));
  EXPECT_EQ(UpdateArguments("/i/ylcskelvo"), (std::vector<std::string>{"/i/ylcskelvo", "/update"}));
}

TEST(UsageReports, AddressCarriesTheNewCount) {
  EXPECT_EQ(UsageReportAddress("127.0.0.1:9", UsageReport::Active, 42),
            "http://127.0.0.1:9/active.htm?tag=ylcskelvo&ver=3.0.0.1&count=42");
  EXPECT_EQ(UsageReportAddress("h", UsageReport::ChannelActive, 4294967295u),
            "http://h/active.htm?tag=webmira&ver=3.0.0.1&count=4294967295");
  EXPECT_EQ(UsageReportAddress("h", UsageReport::Install, 1),
            "http://h/install.htm?tag=ylcskelvo&ver=3.0.0.1&count=1");
  EXPECT_EQ(UsageReportAddress("h", UsageReport::Uninstall, 1),
            "http://h/uninstall.htm?tag=ylcskelvo&ver=3.0.0.1&count=1");
  EXPECT_EQ(UsageReportCounter(UsageReport::ChannelActive), Counter::Kelvo);
  EXPECT_EQ(CounterKey(UsageReportCounter(UsageReport::Active)), "Game");
}

}  // namespace
}  // namespace ylcs
