// GoogleTest before Xlib, whose macros (None, Bool) would break it.
#include <gtest/gtest.h>

#include "platform/window_messages.h"

#include <X11/Xatom.h>
#include <gdk/gdkx.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "platform/x11_handles.h"
#include "rules/app/window_messages.h"

namespace ylcs {
namespace {

// A message peer running in a process of its own; its output lines are read back.
class Peer {
 public:
  Peer() {
    int out = -1;
    const char* argv[] = {MESSAGE_PEER, nullptr};
    if (!g_spawn_async_with_pipes(nullptr, const_cast<char**>(argv), nullptr, G_SPAWN_DO_NOT_REAP_CHILD,
                                  nullptr, nullptr, &pid_, nullptr, &out, nullptr, nullptr)) {
      return;
    }
    out_ = fdopen(out, "r");
    id_ = static_cast<WindowId>(std::stoul(ReadLine()));
  }
  Peer(const Peer&) = delete;
  Peer& operator=(const Peer&) = delete;
  ~Peer() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (out_) fclose(out_);
  }

  std::string ReadLine() {
    char line[512] = {};
    if (!out_ || !fgets(line, sizeof line, out_)) return "<end>";
    std::string text(line);
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
  }
  int WaitExit() {
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return status;
  }
  WindowId id() const { return id_; }

 private:
  GPid pid_ = -1;
  FILE* out_ = nullptr;
  WindowId id_ = 0;
};

class WindowMessages : public ::testing::Test {
 protected:
  void SetUp() override {
    gdk_set_allowed_backends("x11");
    if (!gtk_init_check(nullptr, nullptr)) GTEST_SKIP() << "no display";
  }
};

TEST_F(WindowMessages, PostsAndCopyDataReachAnotherProcess) {
  Peer peer;
  ASSERT_NE(peer.id(), 0u);
  EXPECT_TRUE(IsWindow(peer.id()));
  EXPECT_TRUE(IsProgramWindow(peer.id()));
  const std::string me = std::to_string(getpid());

  ASSERT_TRUE(PostWindowMessage(peer.id(), WM_SET_MUTE, 1, 0));
  EXPECT_EQ(peer.ReadLine(), "post 1029 1 0 " + me);
  ASSERT_TRUE(PostWindowMessage(peer.id(), WM_GAMEFRAME_READY, 0xFFFFFFFFu, -5));
  EXPECT_EQ(peer.ReadLine(), "post 1026 4294967295 -5 " + me);

  EXPECT_TRUE(SendCopyData(peer.id(), 0, "3服-一区-alice"));
  EXPECT_EQ(peer.ReadLine(), "copy 0 3服-一区-alice");
  EXPECT_FALSE(SendCopyData(peer.id(), 7, "refuse"));
  EXPECT_EQ(peer.ReadLine(), "copy 7 refuse");

  ASSERT_TRUE(PostWindowMessage(peer.id(), WM_SYSCOMMAND, SC_CLOSE, kSynthesizedMarker));
  EXPECT_EQ(peer.ReadLine(), "post 274 61536 7531 " + me);
  const int status = peer.WaitExit();
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_FALSE(IsWindow(peer.id()));
  EXPECT_FALSE(PostWindowMessage(peer.id(), WM_SET_MUTE, 0, 0));
  EXPECT_FALSE(SendCopyData(peer.id(), 0, "gone"));
}

TEST_F(WindowMessages, GarbageIsAnsweredNoAndTheReceiverLivesOn) {
  Peer peer;
  ASSERT_NE(peer.id(), 0u);
  Display* x = GDK_DISPLAY_XDISPLAY(gdk_display_get_default());

  // Text that is not UTF-8, and a text with a zero byte inside.
  EXPECT_FALSE(SendCopyData(peer.id(), 0, "\xff\xfe\x41"));
  EXPECT_FALSE(SendCopyData(peer.id(), 0, std::string("a\0b", 3)));

  // A request whose reply window holds text of the wrong type, and one naming no window at all.
  const Window reply = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 1, 1, 0, 0, 0);
  const unsigned short wide[] = {0x0041, 0};
  XChangeProperty(x, reply, XInternAtom(x, "_YLCS_COPYDATA_TEXT", False), XA_STRING, 16, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(wide), 2);
  for (const unsigned long target_of_reply : {static_cast<unsigned long>(reply), 0x7FFFFFFFul}) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = peer.id();
    event.xclient.message_type = XInternAtom(x, "_YLCS_COPYDATA", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(target_of_reply);
    XSendEvent(x, peer.id(), False, NoEventMask, &event);
  }
  // A post in the wrong format.
  XEvent bad{};
  bad.xclient.type = ClientMessage;
  bad.xclient.window = peer.id();
  bad.xclient.message_type = XInternAtom(x, "_YLCS_MESSAGE", False);
  bad.xclient.format = 8;
  XSendEvent(x, peer.id(), False, NoEventMask, &bad);
  XDestroyWindow(x, reply);
  XSync(x, False);

  // None of that reached the handlers, and the peer still answers.
  EXPECT_TRUE(SendCopyData(peer.id(), 0, "still here"));
  EXPECT_EQ(peer.ReadLine(), "copy 0 still here");
}

TEST_F(WindowMessages, WindowsOfNoProgramAreRefusedWithoutWaiting) {
  Display* x = GDK_DISPLAY_XDISPLAY(gdk_display_get_default());
  const auto root = static_cast<WindowId>(DefaultRootWindow(x));
  EXPECT_TRUE(IsWindow(root));
  EXPECT_FALSE(IsProgramWindow(root));
  EXPECT_FALSE(PostWindowMessage(root, WM_SET_MUTE, 1, 0));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(SendCopyData(root, 0, "caption", std::chrono::seconds(30)));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  EXPECT_FALSE(IsWindow(0));
  EXPECT_FALSE(IsWindow(0x7FFFFFFF));
}

TEST_F(WindowMessages, ReceiverVanishingMidRequestAnswersNo) {
  Peer peer;
  ASSERT_NE(peer.id(), 0u);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(SendCopyData(peer.id(), 0, "vanish", std::chrono::seconds(30)));
  // The sender notices the receiver is gone instead of waiting for the whole bound.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

}  // namespace
}  // namespace ylcs
