#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>

#include "platform/file_ops.h"
#include "temp_home.h"

namespace ylcs {
namespace {

// Copies the probe into a folder with a dot in its name and runs it there.
struct CrashRun {
  int signal = 0;
  std::vector<std::string> files;
  std::string report;
};

CrashRun RunProbe(const std::string& dir, const char* how) {
  const std::string program = dir + "/probe.bin";
  EXPECT_TRUE(CopyFileReplacing(CRASH_PROBE, program, 0755));
  const pid_t pid = fork();
  if (pid == 0) {
    execl(program.c_str(), program.c_str(), how, nullptr);
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  CrashRun run;
  run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    run.files.push_back(entry.path().filename());
  std::sort(run.files.begin(), run.files.end());
  run.report = testing::ReadWholeFile(dir + "/probe.dmp");
  return run;
}

TEST(CrashHandler, FirstCrashWritesOneReportThenTheSystemHandlingFollows) {
  const struct {
    const char* how;
    int signal;
    const char* name;
  } cases[] = {{"segv", SIGSEGV, "SEGV"}, {"twice", SIGSEGV, "SEGV"}, {"abort", SIGABRT, "ABRT"}};
  for (const auto& c : cases) {
    testing::TempHome home;
    const std::string dir = home.path() + "/install.d";
    std::filesystem::create_directory(dir);
    const CrashRun run = RunProbe(dir, c.how);
    EXPECT_EQ(run.signal, c.signal) << c.how;
    EXPECT_EQ(run.files, (std::vector<std::string>{"probe.bin", "probe.dmp"})) << c.how;
    EXPECT_NE(run.report.find(std::string("(") + c.name + ")"), std::string::npos) << run.report;
    EXPECT_NE(run.report.find("backtrace:"), std::string::npos);
    EXPECT_NE(run.report.find("probe.bin"), std::string::npos);  // the memory map names us
    // Exactly one report: a second crash of the same process appends nothing.
    EXPECT_EQ(run.report.find("crash report", 20), std::string::npos) << c.how;
  }
}

}  // namespace
}  // namespace ylcs
