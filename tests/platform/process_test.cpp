#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>

#include "platform/process.h"
#include "temp_home.h"

namespace ylcs {
namespace {

using testing::ReadWholeFile;

// Waits, running the main loop, until `done` holds or five seconds pass.
template <typename Predicate>
bool SpinUntil(Predicate done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    g_main_context_iteration(nullptr, FALSE);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

TEST(Process, DetachedStartRunsAtLowestPriorityWithOnlyStandardDescriptors) {
  testing::TempHome home;
  const std::string out = home.path() + "/out";
  // An inheritable descriptor of ours must not reach the child.
  const int leaked = dup(1);
  ASSERT_GE(leaked, 3);
  const std::string script = "cut -d' ' -f19 /proc/self/stat > '" + out + ".tmp'; ls /proc/self/fd >> '" +
                             out + ".tmp'; mv '" + out + ".tmp' '" + out + "'";
  ASSERT_TRUE(StartDetached({"/bin/sh", "-c", script}));
  close(leaked);
  ASSERT_TRUE(SpinUntil([&] { return g_file_test(out.c_str(), G_FILE_TEST_EXISTS); }));
  const std::string text = ReadWholeFile(out);
  EXPECT_EQ(text.substr(0, text.find('\n')), "19");
  EXPECT_EQ(text.find("\n" + std::to_string(leaked) + "\n"), std::string::npos) << text;
  // The intermediate process was reaped and the grandchild is not ours: no child of ours remains.
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
}

TEST(Process, KeptChildIsTerminatedAndReaped) {
  auto child = ChildProcess::Start({"/bin/sleep", "30"});
  ASSERT_TRUE(child.has_value());
  EXPECT_TRUE(child->IsRunning());
  child->Terminate();
  ASSERT_TRUE(SpinUntil([&] { return !child->IsRunning(); }));
  EXPECT_EQ(kill(child->pid(), 0), -1);  // reaped: no zombie left under that pid
}

TEST(Process, MissingProgramIsNoCrash) {
  auto child = ChildProcess::Start({"/nonexistent/program"});
  ASSERT_TRUE(child.has_value());
  ASSERT_TRUE(SpinUntil([&] { return !child->IsRunning(); }));
  EXPECT_FALSE(StartDetached({}));
}

}  // namespace
}  // namespace ylcs
