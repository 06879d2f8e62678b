#include <gtest/gtest.h>

#include "platform/window_messages.h"

#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "platform/file_ops.h"
#include "process_driver.h"
#include "rules/app/window_messages.h"
#include "temp_home.h"

namespace ylcs {
namespace {

using Clock = std::chrono::steady_clock;

using testing::EndsWithin;
using testing::ReadLine;

class GameFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    gdk_set_allowed_backends("x11");
    if (!gtk_init_check(nullptr, nullptr)) GTEST_SKIP() << "no display";
    // No service: the frame's page never loads, which leaves its messages and lifetime to test.
    g_setenv("YLCS_SERVICE_HOST", "127.0.0.1:9", TRUE);
  }
  testing::TempHome home_;
};

TEST_F(GameFrame, GameHallWithoutOwnerEndsAtTheFirstOwnerCheck) {
  const pid_t frame = testing::StartProcess({YLCSKELVO, "/gmhall", "/0"});
  EXPECT_TRUE(EndsWithin(frame, std::chrono::seconds(10)));
}

TEST_F(GameFrame, FrameAnnouncesItselfAndEndsWithItsOwner) {
  FILE* peer_out = nullptr;
  const pid_t peer = testing::StartProcess({MESSAGE_PEER}, &peer_out);
  const std::string owner = ReadLine(peer_out);
  const pid_t frame = testing::StartProcess({YLCSKELVO, "/gmhall", "/" + owner});
  // WM_GAMEFRAME_READY with the frame's window id, lParam 1 for the game list page.
  char kind[16] = {};
  unsigned message = 0, frame_id = 0;
  int lparam = -1, sender = 0;
  ASSERT_EQ(
      sscanf(ReadLine(peer_out).c_str(), "%15s %u %u %d %d", kind, &message, &frame_id, &lparam, &sender), 5);
  EXPECT_EQ(message, WM_GAMEFRAME_READY);
  EXPECT_EQ(lparam, 1);
  EXPECT_EQ(sender, frame);
  EXPECT_TRUE(IsProgramWindow(frame_id));
  // The owner dies: the frame's process ends on its own (its owner check runs every 800 ms; the
  // bound leaves room for a loaded machine).
  testing::KillProcess(peer);
  EXPECT_TRUE(EndsWithin(frame, std::chrono::seconds(8)));
  fclose(peer_out);
}

TEST_F(GameFrame, CloseRequestEndsTheFrame) {
  FILE* peer_out = nullptr;
  const pid_t peer = testing::StartProcess({MESSAGE_PEER}, &peer_out);
  const std::string owner = ReadLine(peer_out);
  const pid_t frame = testing::StartProcess({YLCSKELVO, "/gmhall", "/" + owner});
  unsigned frame_id = 0;
  ASSERT_EQ(sscanf(ReadLine(peer_out).c_str(), "post %*u %u", &frame_id), 1);
  // Messages the frame ignores or applies leave it running.
  EXPECT_TRUE(PostWindowMessage(frame_id, WM_SET_MUTE, 1, 0));
  EXPECT_TRUE(PostWindowMessage(frame_id, WM_RELOAD_HOTKEYS, 0, 0));
  EXPECT_TRUE(PostWindowMessage(frame_id, 0x7777, 1, 2));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(waitpid(frame, nullptr, WNOHANG), 0);
  EXPECT_TRUE(PostWindowMessage(frame_id, WM_SYSCOMMAND, SC_CLOSE, 0));
  EXPECT_TRUE(EndsWithin(frame, std::chrono::seconds(8)));
  testing::KillProcess(peer);
  fclose(peer_out);
}

TEST_F(GameFrame, ACrashOfTheProgramLeavesOneReportBesideIt) {
  FILE* peer_out = nullptr;
  const pid_t peer = testing::StartProcess({MESSAGE_PEER}, &peer_out);
  const std::string owner = ReadLine(peer_out);
  const std::string program = home_.path() + "/ylcskelvo";
  ASSERT_TRUE(CopyFileReplacing(YLCSKELVO, program, 0755));
  const pid_t frame = testing::StartProcess({program, "/gmhall", "/" + owner});
  ASSERT_NE(ReadLine(peer_out), "<end>");  // the frame is up
  kill(frame, SIGSEGV);
  int status = 0;
  waitpid(frame, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGSEGV);
  const std::string report = testing::ReadWholeFile(home_.path() + "/ylcskelvo.dmp");
  EXPECT_NE(report.find("signal: 11 (SEGV)"), std::string::npos) << report.substr(0, 200);
  EXPECT_EQ(report.find("crash report", 20), std::string::npos);
  testing::KillProcess(peer);
  fclose(peer_out);
}

}  // namespace
}  // namespace ylcs
