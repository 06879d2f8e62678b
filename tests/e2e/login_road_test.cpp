// The road of a login, end to end: the launcher against the stand-in service on a display.
#include <gtest/gtest.h>

#include "platform/window_messages.h"

#include <dirent.h>
#include <sys/wait.h>

#include <fstream>

#include "desktop_driver.h"
#include "process_driver.h"
#include "rules/app/window_messages.h"
#include "stand_in_service.h"
#include "temp_home.h"

#include <algorithm>

namespace ylcs {
namespace {

using namespace ylcs::testing;
constexpr const char* kTitle = "kelvo - 云岭传说";
constexpr int kPageLeft = 353;
constexpr int kPageTop = 87;

// Processes whose command line holds `needle` (the login and game children of one main window),
// zombies left out. /proc is read with readdir: its entries come and go while it is read.
std::vector<pid_t> ProcessesWith(const std::string& needle) {
  std::vector<pid_t> pids;
  DIR* proc = opendir("/proc");
  if (proc == nullptr) return pids;
  while (const dirent* entry = readdir(proc)) {
    const std::string name = entry->d_name;
    if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::string cmdline = ReadWholeFile("/proc/" + name + "/cmdline");
    std::replace(cmdline.begin(), cmdline.end(), '\0', ' ');
    const std::string stat = ReadWholeFile("/proc/" + name + "/stat");
    const bool zombie = stat.find(") Z ") != std::string::npos;
    if (!zombie && cmdline.find(needle) != std::string::npos) pids.push_back(std::stoi(name));
  }
  closedir(proc);
  return pids;
}

class LoginRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    gdk_set_allowed_backends("x11");
    if (!gtk_init_check(nullptr, nullptr)) GTEST_SKIP() << "no display";
    ASSERT_NE(service_.port(), 0);
    g_setenv("YLCS_SERVICE_HOST", service_.host().c_str(), TRUE);
    g_setenv("YLCS_LOGIN_HOST", service_.host().c_str(), TRUE);
    g_setenv("YLCS_GAMEHALL_URL", service_.Url("/").c_str(), TRUE);
  }
  void TearDown() override {
    KillProcess(main_);
    XDo({"mousemove", "5", "1070"});
  }

  void StartLauncher() { main_ = StartProcess({YLCSKELVO, "/YlcsKelvoD"}); }

  // The login page window of a login under way (the background and the page share the title).
  unsigned long LoginPage() {
    unsigned long page = 0;
    WaitFor(
        [&] {
          for (unsigned long id : VisibleWindowsNamed(kTitle)) {
            const Geometry g = GeometryOf(id);
            if (g.width == 888 && g.height == 518 && g.x == kPageLeft) page = id;
          }
          return page != 0;
        },
        30s);
    return page;
  }

  // Logs in on the login page with the account; the page's form stands at fixed places.
  void LogIn(unsigned long page, const std::string& account) {
    std::this_thread::sleep_for(700ms);  // the page finished loading and shaping
    const Geometry g = GeometryOf(page);
    Click(g.x + 290, g.y + 181);  // account field
    XDo({"windowfocus", "--sync", std::to_string(page)});
    XDo({"type", account});
    Click(g.x + 290, g.y + 215);  // password field
    XDo({"windowfocus", "--sync", std::to_string(page)});
    XDo({"type", "secret"});
    XDo({"key", "Return"});
  }

  WindowId MainWindow() {
    WindowId main = 0;
    WaitFor(
        [&] {
          for (unsigned long id : VisibleWindowsNamed(kTitle)) {
            if (GeometryOf(id).width > 1000) main = static_cast<WindowId>(id);
          }
          return main != 0;
        },
        30s);
    return main;
  }

  unsigned long MessageBox(WindowId main) {
    unsigned long box = 0;
    WaitFor(
        [&] {
          for (unsigned long id : VisibleWindowsNamed(kTitle)) {
            const Geometry g = GeometryOf(id);
            if (id != main && g.width < 600 && g.height < 300) box = id;
          }
          return box != 0;
        },
        20s);
    return box;
  }

  std::string RequestsSeen() const { return ReadWholeFile(home_.path() + "/requests.log"); }

  TempHome home_;
  StandInService service_{{"--requests-log", home_.path() + "/requests.log"}};
  pid_t main_ = -1;
};

TEST_F(LoginRoad, LogInTwoAccountsRefuseADuplicateCloseATabAndEndEveryChild) {
  StartLauncher();
  const unsigned long page = LoginPage();
  ASSERT_NE(page, 0u) << "no login window";
  std::this_thread::sleep_for(1s);
  // Where the page paints its see-through colour the background shows; elsewhere the page does.
  const Rgb8 behind = FilePixel(std::string(SKIN_DIR) + "/129.png", kPageLeft + 20, kPageTop + 400);
  EXPECT_EQ(ScreenPixel(kPageLeft + 20, kPageTop + 400), behind);
  EXPECT_NE(ScreenPixel(kPageLeft + 20, kPageTop + 100),
            FilePixel(std::string(SKIN_DIR) + "/129.png", kPageLeft + 20, kPageTop + 100));

  LogIn(page, "alice");
  const WindowId main = MainWindow();
  if (main == 0) SaveScreenshot("login_road_after_login");
  ASSERT_NE(main, 0u) << "no main window after the login";
  GdkRectangle area{};
  gdk_monitor_get_workarea(gdk_display_get_primary_monitor(gdk_display_get_default()), &area);
  EXPECT_EQ(GeometryOf(main).width, area.width);
  EXPECT_EQ(GeometryOf(main).height, area.height);
  // The tab opens the game address the login page handed over, carrying the account.
  const std::string needle = "/newgm /" + std::to_string(main);
  EXPECT_TRUE(WaitFor([&] { return ProcessesWith(needle).size() == 1; }, 30s));
  EXPECT_TRUE(WaitFor([&] { return RequestsSeen().find("account=alice") != std::string::npos; }, 30s));

  // A second account through the new-tab request.
  ASSERT_TRUE(PostWindowMessage(main, WM_ADD_ACCOUNT, 1, 0));
  const unsigned long second = LoginPage();
  ASSERT_NE(second, 0u);
  LogIn(second, "bob");
  EXPECT_TRUE(WaitFor([&] { return ProcessesWith(needle).size() == 2; }, 30s));
  EXPECT_TRUE(WaitFor([&] { return RequestsSeen().find("account=bob") != std::string::npos; }, 30s));
  std::this_thread::sleep_for(1s);

  // The same account on the same server again is refused with the message, then the login ends.
  ASSERT_TRUE(PostWindowMessage(main, WM_ADD_ACCOUNT, 1, 0));
  const unsigned long third = LoginPage();
  ASSERT_NE(third, 0u);
  LogIn(third, "alice");
  const unsigned long box = MessageBox(main);
  ASSERT_NE(box, 0u) << "no refusal message";
  const Geometry b = GeometryOf(box);
  EXPECT_TRUE(ClickUntilGone(box, b.x + b.width / 2, b.y + b.height - 40));
  EXPECT_TRUE(WaitFor([&] { return ProcessesWith(needle).size() == 2; }, 30s));

  // Close the second tab: middle click, then Yes.
  const Geometry m = GeometryOf(main);
  Click(m.x + 120 + 189 + 80, m.y + 14, 2);
  const unsigned long question = MessageBox(main);
  ASSERT_NE(question, 0u);
  const Geometry q = GeometryOf(question);
  EXPECT_TRUE(ClickUntilGone(question, q.x + q.width / 2 - 30, q.y + q.height - 40));
  EXPECT_TRUE(WaitFor([&] { return ProcessesWith(needle).size() == 1; }, 30s));

  // The main window dies: every child ends on its own (owner checks every 800 ms; the bound leaves
  // room for a loaded machine).
  kill(main_, SIGKILL);
  waitpid(main_, nullptr, 0);
  main_ = -1;
  EXPECT_TRUE(WaitFor([&] { return ProcessesWith(needle).empty(); }, 8s));
}

}  // namespace
}  // namespace ylcs
