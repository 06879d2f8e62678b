#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/file_ops.h"
#include "platform/ini_file.h"
#include "platform/registry_store.h"
#include "temp_home.h"

namespace ylcs {
namespace {

int RunAndWait(const std::vector<std::string>& args) {
  const pid_t pid = fork();
  if (pid == 0) {
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

template <typename Predicate>
bool WaitFor(Predicate done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

TEST(Install, FirstRunInstallsAndStartsTheInstalledCopy) {
  testing::TempHome home;
  g_unsetenv("DISPLAY");
  // Point the reports at a port nobody listens on.
  g_setenv("YLCS_SERVICE_HOST", "127.0.0.1:9", TRUE);
  const std::string downloads = home.path() + "/Downloads";
  std::filesystem::create_directories(downloads);
  const std::string downloaded = downloads + "/ylcskelvo";
  ASSERT_TRUE(CopyFileReplacing(YLCSKELVO, downloaded, 0755));

  EXPECT_EQ(RunAndWait({downloaded}), 0);

  const std::string folder = home.path() + "/.local/share/Kelvo/ViviVador";
  const std::string installed = folder + "/ylcskelvo";
  struct stat st {};
  ASSERT_EQ(stat(installed.c_str(), &st), 0);
  EXPECT_NE(st.st_mode & S_IXUSR, 0u);
  EXPECT_TRUE(testing::ReadWholeFile(installed) == testing::ReadWholeFile(downloaded));

  const std::string settings = folder + "/Statistic.ini";
  EXPECT_EQ(FindIniValue(settings, "YlcsKelvo", "Inst"), "1");
  const auto days =
      ReadRegistryBinary(Hive::LocalMachine, "Software\\Kelvo\\ViviVador\\YlcsKelvo", "DisableDays");
  ASSERT_TRUE(days.has_value());
  ASSERT_EQ(days->size(), 4u);
  EXPECT_LT((*days)[0], 7);
  EXPECT_LT((*days)[1], 7);
  EXPECT_LT((*days)[2], 7);
  EXPECT_EQ((*days)[3], 0);

  // The installed copy starts on its own, classifies as installed and counts one start.
  EXPECT_TRUE(WaitFor([&] { return FindIniValue(settings, "YlcsKelvo", "Game") == "1"; }));
  EXPECT_EQ(FindIniValue(settings, "YlcsKelvo", "Inst"), "1");

  // Running the installed copy again counts on, and installs nothing new.
  EXPECT_EQ(RunAndWait({installed}), 0);
  EXPECT_EQ(FindIniValue(settings, "YlcsKelvo", "Game"), "2");
  EXPECT_EQ(FindIniValue(settings, "YlcsKelvo", "Inst"), "1");
}

}  // namespace
}  // namespace ylcs
