// The main window with stand-in login children, under a display, driven like a player would.
#include <gtest/gtest.h>

#include "platform/window_messages.h"

#include <X11/Xatom.h>
#include <gdk/gdkx.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include "desktop_driver.h"
#include "process_driver.h"
#include "rules/app/window_messages.h"
#include "rules/mainwnd/tab_strip.h"
#include "temp_home.h"

namespace ylcs {
namespace {

using namespace std::chrono_literals;
using namespace ylcs::testing;
using Clock = std::chrono::steady_clock;
constexpr const char* kTitle = "kelvo - 云岭传说";

Rgb8 SkinPixel(int id, int x, int y) {
  return FilePixel(std::string(SKIN_DIR) + "/" + std::to_string(id) + ".png", x, y);
}

std::vector<WindowId> VisibleWindows(const std::string& name) {
  std::vector<WindowId> ids;
  for (unsigned long id : VisibleWindowsNamed(name)) ids.push_back(static_cast<WindowId>(id));
  return ids;
}

// A session: a main window whose logins are stand-in children writing logs in a folder.
class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    gdk_set_allowed_backends("x11");
    if (!gtk_init_check(nullptr, nullptr)) GTEST_SKIP() << "no display";
    tabs_dir_ = home_.path() + "/tabs";
    std::filesystem::create_directories(tabs_dir_);
    g_setenv("YLCS_SERVICE_HOST", "127.0.0.1:9", TRUE);
    g_setenv("YLCS_CHILD_PROGRAM", FAKE_TAB_CHILD, TRUE);
    g_setenv("FAKE_TAB_DIR", tabs_dir_.c_str(), TRUE);
  }

  void TearDown() override {
    KillProcess(main_);
    for (const auto& [pid, log] : Logs()) kill(pid, SIGKILL);
    XDo({"mousemove", "5", "1070"});
  }

  void StartMainWindow() {
    main_ = StartProcess({YLCSKELVO, "/YlcsKelvoD"});
    ASSERT_TRUE(WaitFor([&] { return Owner() != 0; }));
    owner_ = Owner();
  }

  void NextLogin(const std::string& caption, const std::string& colour) {
    std::ofstream(tabs_dir_ + "/caption") << caption;
    std::ofstream(tabs_dir_ + "/colour") << colour;
  }
  void Hold(bool hold) {
    if (hold) {
      std::ofstream(tabs_dir_ + "/hold") << "";
    } else {
      std::filesystem::remove(tabs_dir_ + "/hold");
    }
  }

  std::map<pid_t, std::string> Logs() const {
    std::map<pid_t, std::string> logs;
    for (const auto& entry : std::filesystem::directory_iterator(tabs_dir_)) {
      if (entry.path().extension() != ".log") continue;
      logs[std::stoi(entry.path().stem())] = testing::ReadWholeFile(entry.path());
    }
    return logs;
  }
  int CountLogsWith(const std::string& text) const {
    int n = 0;
    for (const auto& [pid, log] : Logs()) n += log.find(text) != std::string::npos ? 1 : 0;
    return n;
  }
  pid_t ChildWith(const std::string& text) const {
    for (const auto& [pid, log] : Logs()) {
      if (log.find(text) != std::string::npos) return pid;
    }
    return 0;
  }
  WindowId Owner() const {
    for (const auto& [pid, log] : Logs()) {
      unsigned id = 0;
      if (sscanf(log.c_str(), "owner %u", &id) == 1 && id != 0) return id;
    }
    return 0;
  }

  // Posts a new-tab request as the prompt does, and waits for that login to finish.
  void AddTab(const std::string& caption, const std::string& colour) {
    NextLogin(caption, colour);
    const int frames = CountLogsWith("frame ");
    ASSERT_TRUE(PostWindowMessage(owner_, WM_ADD_ACCOUNT, 1, 0));
    ASSERT_TRUE(WaitFor([&] { return CountLogsWith("frame ") == frames + 1; }, 8s));
    std::this_thread::sleep_for(400ms);
  }

  // The message box that is showing (the one window of the title that is not the main window).
  WindowId MessageBox() {
    WindowId box = 0;
    WaitFor([&] {
      for (WindowId id : VisibleWindows(kTitle)) {
        if (id != owner_ && GeometryOf(id).width < 800) box = id;
      }
      return box != 0;
    });
    return box;
  }
  // Clicks the first ("是"/"确定") or second button of the message box, until it has gone. The
  // two buttons stand 10 pixels left and right of the centre line, 30 above the bottom.
  void Answer(bool first) {
    const WindowId box = MessageBox();
    ASSERT_NE(box, 0u) << "no message box";
    const Geometry g = GeometryOf(box);
    ASSERT_TRUE(ClickUntilGone(box, g.x + g.width / 2 + (first ? -30 : 30), g.y + g.height - 30 - 10));
  }
  // The single button of a notice stands in the middle.
  void AnswerSingle() {
    const WindowId box = MessageBox();
    ASSERT_NE(box, 0u) << "no message box";
    const Geometry g = GeometryOf(box);
    ASSERT_TRUE(ClickUntilGone(box, g.x + g.width / 2, g.y + g.height - 30 - 10));
  }

  Rgb8 FramePixel() {
    const Geometry g = GeometryOf(owner_);
    return ScreenPixel(g.x + g.width / 2, g.y + g.height / 2);
  }
  std::pair<int, int> TabPoint(int index, int dx = 80, int dy = 14) {
    const Geometry g = GeometryOf(owner_);
    return {g.x + 120 + kTabWidth * index + dx, g.y + dy};
  }
  bool MainEnded(std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    while (Clock::now() < deadline) {
      if (waitpid(main_, nullptr, WNOHANG) == main_) {
        main_ = -1;
        return true;
      }
      std::this_thread::sleep_for(20ms);
    }
    return false;
  }
  // No stand-in child of this session is still running (or left as a zombie).
  bool AllChildrenGone() {
    return WaitFor(
        [&] {
          for (const auto& [pid, log] : Logs()) {
            const std::string stat = testing::ReadWholeFile("/proc/" + std::to_string(pid) + "/stat");
            if (!stat.empty()) return false;
          }
          return true;
        },
        3s);
  }

  testing::TempHome home_;
  std::string tabs_dir_;
  pid_t main_ = -1;
  WindowId owner_ = 0;
};

TEST_F(MainWindow, TabsFromFirstFrameToLastClose) {
  Hold(true);
  NextLogin("3服-一区-alice", "c04040");
  StartMainWindow();
  // Out of sight while the first login is open.
  Geometry g = GeometryOf(owner_);
  EXPECT_EQ(g.width, 1);
  EXPECT_EQ(g.height, 1);
  Hold(false);
  ASSERT_TRUE(WaitFor([&] { return CountLogsWith("frame ") == 1; }));
  ASSERT_TRUE(WaitFor([&] { return GeometryOf(owner_).width > 1; }));
  std::this_thread::sleep_for(500ms);
  // The first frame maximises the window over the work area (the whole screen here).
  GdkRectangle area{};
  gdk_monitor_get_workarea(gdk_display_get_primary_monitor(gdk_display_get_default()), &area);
  g = GeometryOf(owner_);
  EXPECT_EQ(g.width, area.width);
  EXPECT_EQ(g.height, area.height);
  EXPECT_EQ(FramePixel(), (Rgb8{0xc0, 0x40, 0x40}));

  AddTab("3服-一区-bob", "40c040");
  EXPECT_EQ(FramePixel(), (Rgb8{0x40, 0xc0, 0x40}));
  // The same account on the same server again is refused; no tab is added.
  NextLogin("3服-一区-alice", "000000");
  ASSERT_TRUE(PostWindowMessage(owner_, WM_ADD_ACCOUNT, 1, 0));
  ASSERT_TRUE(WaitFor([&] { return CountLogsWith("caption refused") == 1; }));
  AddTab("4服-二区-carol", "4040c0");

  // Three tabs at their places: the current one (the last) in its own look, the others normal.
  XDo({"mousemove", std::to_string(g.x + g.width / 2), std::to_string(g.y + 300)});
  for (int i = 0; i < 3; ++i) {
    const auto [x, y] = TabPoint(i, 8, 20);
    EXPECT_EQ(ScreenPixel(x, y), SkinPixel(140, (i == 2 ? 2 : 0) * kTabWidth + 8, 17)) << "tab " << i;
  }
  const auto [after_x, after_y] = TabPoint(3, 8, 20);
  EXPECT_NE(ScreenPixel(after_x, after_y), SkinPixel(140, 8, 17));

  // Clicking a tab shows its frame.
  Click(TabPoint(0).first, TabPoint(0).second);
  EXPECT_TRUE(WaitFor([&] { return FramePixel() == Rgb8{0xc0, 0x40, 0x40}; }));
  Click(TabPoint(2).first, TabPoint(2).second);
  EXPECT_TRUE(WaitFor([&] { return FramePixel() == Rgb8{0x40, 0x40, 0xc0}; }));

  // A fourth tab is refused with the limit message.
  const int children = static_cast<int>(Logs().size());
  ASSERT_TRUE(PostWindowMessage(owner_, WM_ADD_ACCOUNT, 1, 0));
  ASSERT_NE(MessageBox(), 0u);
  AnswerSingle();
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(static_cast<int>(Logs().size()), children);

  // The close box of tab 1 asks about its account; Yes closes it and its child.
  const pid_t bob = ChildWith("caption accepted 3服-一区-bob");
  XDo({"mousemove", std::to_string(TabPoint(1, 176 + 6, 8).first),
       std::to_string(TabPoint(1, 176 + 6, 8).second)});
  Click(TabPoint(1, 176 + 6, 8).first, TabPoint(1, 176 + 6, 8).second);
  Answer(true);
  EXPECT_TRUE(WaitFor([&] { return Logs()[bob].find("closed") != std::string::npos; }));

  // A middle click asks too; No keeps the tab, Yes closes it.
  const pid_t carol = ChildWith("caption accepted 4服-二区-carol");
  Click(TabPoint(1).first, TabPoint(1).second, 2);
  Answer(false);
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(Logs()[carol].find("closed"), std::string::npos);
  Click(TabPoint(1).first, TabPoint(1).second, 2);
  Answer(true);
  EXPECT_TRUE(WaitFor([&] { return Logs()[carol].find("closed") != std::string::npos; }));

  // The last tab asks about the whole window; Yes ends everything.
  Click(TabPoint(0).first, TabPoint(0).second, 2);
  Answer(true);
  EXPECT_TRUE(MainEnded(5s));
  EXPECT_TRUE(AllChildrenGone());
}

TEST_F(MainWindow, ClosingTheWindowWithYesClosesEveryTab) {
  NextLogin("5服-一区-hal", "204060");
  StartMainWindow();
  ASSERT_TRUE(WaitFor([&] { return CountLogsWith("frame ") == 1; }));
  AddTab("5服-一区-ivy", "604020");
  // The close button's request: the whole-window question, and Yes.
  ASSERT_TRUE(PostWindowMessage(owner_, WM_SYSCOMMAND, SC_CLOSE, 0));
  Answer(true);
  EXPECT_TRUE(MainEnded(5s));
  EXPECT_EQ(CountLogsWith("closed"), 2);
  EXPECT_TRUE(AllChildrenGone());
}

TEST_F(MainWindow, ClosingWhileTheFirstLoginIsOpenEndsItWithoutAQuestion) {
  Hold(true);
  StartMainWindow();
  ASSERT_TRUE(PostWindowMessage(owner_, WM_SYSCOMMAND, SC_CLOSE, 0));
  EXPECT_TRUE(MainEnded(5s));
  EXPECT_TRUE(AllChildrenGone());
  Hold(false);
}

TEST_F(MainWindow, ADeadChildLeavesATabThatCanStillBeClosed) {
  NextLogin("1服-一区-dave", "808000");
  StartMainWindow();
  ASSERT_TRUE(WaitFor([&] { return CountLogsWith("frame ") == 1; }));
  AddTab("1服-一区-erin", "008080");
  const pid_t erin = ChildWith("caption accepted 1服-一区-erin");
  kill(erin, SIGKILL);
  std::this_thread::sleep_for(500ms);
  Click(TabPoint(1).first, TabPoint(1).second, 2);
  Answer(true);
  // Back to one tab: closing it asks about the window.
  Click(TabPoint(0).first, TabPoint(0).second, 2);
  Answer(true);
  EXPECT_TRUE(MainEnded(5s));
  EXPECT_TRUE(AllChildrenGone());
}

TEST_F(MainWindow, ThePromptBelowTheLinkAnswersNewTabOrNewWindow) {
  NextLogin("2服-一区-fay", "800080");
  StartMainWindow();
  ASSERT_TRUE(WaitFor([&] { return CountLogsWith("frame ") == 1; }));
  std::this_thread::sleep_for(300ms);
  const Geometry g = GeometryOf(owner_);
  const int link_x = g.x + g.width - 285 + 60;
  const int link_y = g.y + 15;
  // Enter answers "是": a further login in this window.
  NextLogin("2服-一区-gus", "808080");
  Click(link_x, link_y);
  std::vector<WindowId> prompt;
  ASSERT_TRUE(WaitFor([&] { return !(prompt = VisibleWindows("登录其他账号")).empty(); }));
  const Geometry p = GeometryOf(prompt[0]);
  EXPECT_EQ(p.y, g.y + 7 + 16);  // right below the link
  XDo({"windowfocus", "--sync", std::to_string(prompt[0]), "key", "Return"});
  EXPECT_TRUE(WaitFor([&] { return CountLogsWith("frame ") == 2; }));
  EXPECT_TRUE(VisibleWindows("登录其他账号").empty());
  // Escape answers "否": a new main window, whose own first login names another owner.
  Click(link_x, link_y);
  ASSERT_TRUE(WaitFor([&] { return !(prompt = VisibleWindows("登录其他账号")).empty(); }));
  XDo({"windowfocus", "--sync", std::to_string(prompt[0]), "key", "Escape"});
  WindowId other = 0;
  ASSERT_TRUE(WaitFor([&] {
    for (const auto& [pid, log] : Logs()) {
      unsigned id = 0;
      if (sscanf(log.c_str(), "owner %u", &id) == 1 && id != owner_) other = id;
    }
    return other != 0;
  }));
  EXPECT_TRUE(WaitFor([&] { return CountLogsWith("frame ") == 3; }));
  // End the other window's process; its child follows on its own.
  Display* x = GDK_DISPLAY_XDISPLAY(gdk_display_get_default());
  Atom type = 0;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  XGetWindowProperty(x, other, XInternAtom(x, "_YLCS_RECEIVER", False), 0, 1, False, XA_CARDINAL, &type,
                     &format, &items, &after, &data);
  ASSERT_NE(data, nullptr);
  kill(static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)), SIGKILL);
  XFree(data);
}

}  // namespace
}  // namespace ylcs
