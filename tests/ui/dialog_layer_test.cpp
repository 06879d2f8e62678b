// The dialog layer inside the test process, on a virtual display of its own: modal runs and their
// end codes, modeless windows, templates in dialog units, controls bound or made by the dialog,
// timers by id, messages posted from other threads, key pre-translation and the dialog keys.

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "program/ui/btn_ex.h"
#include "program/ui/controls.h"
#include "program/ui/dialog.h"
#include "program/ui/message_box.h"
#include "program/ui/static_ex.h"
#include "program/ui/toolkit.h"
#include "rules/hotkeys/virtual_keys.h"

extern char** environ;

namespace ylcs {
namespace {

using namespace std::chrono_literals;

// A virtual display for the whole test program, opened before the toolkit.
class DisplayEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    std::vector<std::string> args = {"/usr/bin/Xvfb", "-displayfd", std::to_string(fds[1]),
                                     "-screen",       "0",          "1024x768x24",
                                     "-nolisten",     "tcp"};
    std::vector<char*> cargs;
    for (auto& a : args) cargs.push_back(a.data());
    cargs.push_back(nullptr);
    ASSERT_EQ(posix_spawn(&pid_, cargs[0], nullptr, nullptr, cargs.data(), environ), 0);
    close(fds[1]);
    char number[16] = {};
    pollfd p{fds[0], POLLIN, 0};
    ASSERT_GT(poll(&p, 1, 10000), 0);
    ASSERT_GT(read(fds[0], number, sizeof number - 1), 0);
    close(fds[0]);
    display = ":" + std::to_string(std::atoi(number));
    setenv("DISPLAY", display.c_str(), 1);
    int argc = 0;
    char** argv = nullptr;
    ASSERT_TRUE(InitToolkit(&argc, &argv));
  }
  void TearDown() override {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  static inline std::string display;

 private:
  pid_t pid_ = -1;
};

// Runs xdotool without waiting, so the main loop keeps turning while it types.
void XdoAsync(const std::string& args) {
  const std::string command = "DISPLAY=" + DisplayEnvironment::display + " xdotool " + args;
  gchar* argv[] = {const_cast<gchar*>("/bin/sh"), const_cast<gchar*>("-c"),
                   const_cast<gchar*>(command.c_str()), nullptr};
  ASSERT_TRUE(g_spawn_async(nullptr, argv, nullptr, G_SPAWN_DEFAULT, nullptr, nullptr, nullptr, nullptr));
}

// A dialog whose behaviour the tests script.
class CScriptedDlg : public CDialog {
 public:
  explicit CScriptedDlg(DialogTemplate t, CWnd* parent = nullptr) : CDialog(std::move(t), parent) {}

  std::function<void(CScriptedDlg&)> on_init;
  std::function<bool(const Msg&)> pre_translate;
  std::function<void(int)> on_timer;
  std::vector<std::string> events;
  CBtnEx bound_button;

 protected:
  void DoDataExchange(CDataExchange& dx) override { dx.Control(10, bound_button); }
  bool OnInitDialog() override {
    CDialog::OnInitDialog();
    events.push_back("init");
    if (on_init) on_init(*this);
    return true;
  }
  void OnOK() override {
    events.push_back("ok");
    CDialog::OnOK();
  }
  void OnCancel() override {
    events.push_back("cancel");
    CDialog::OnCancel();
  }
  bool PreTranslateMessage(const Msg& msg) override { return pre_translate && pre_translate(msg); }
  void OnTimer(int id) override {
    events.push_back("timer " + std::to_string(id));
    if (on_timer) on_timer(id);
  }
  std::intptr_t WindowProc(unsigned message, std::uintptr_t wparam, std::intptr_t lparam) override {
    if (message == WM_USER + 5) {
      events.push_back("user " + std::to_string(wparam) + " " + std::to_string(lparam));
      return 0;
    }
    return CDialog::WindowProc(message, wparam, lparam);
  }
};

DialogTemplate TestTemplate() {
  return {500,
          0,
          0,
          200,
          100,
          WS_POPUP | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS,
          0,
          8,
          "测试",
          {
              {10, ControlKind::Button, "确定", 10, 70, 50, 14},
              {11, ControlKind::Static, "标签", 10, 10, 100, 10},
              {12, ControlKind::Edit, "", 10, 30, 100, 12},
          }};
}

// Ends the modal run after a while if the test failed to, so a failure never hangs.
[[nodiscard]] GSourceId Watchdog(CDialog& dialog) {
  return GSourceId(g_timeout_add(
      8000,
      [](gpointer d) -> gboolean {
        static_cast<CDialog*>(d)->EndDialog(-99);
        return G_SOURCE_CONTINUE;
      },
      &dialog));
}

TEST(DialogLayer, ModalRunEndsWithTheCodeOfEndDialogFromATimer) {
  CScriptedDlg dlg(TestTemplate());
  std::uint32_t xid_in_init = 0;
  dlg.on_init = [&](CScriptedDlg& d) {
    xid_in_init = d.GetSafeXid();
    d.SetTimer(3, 20);
    d.SetTimer(4, 30);
    d.KillTimer(4);
  };
  int ticks = 0;
  dlg.on_timer = [&](int id) {
    if (id == 3 && ++ticks == 3) dlg.EndDialog(42);
  };
  EXPECT_EQ(dlg.DoModal(), 42);
  EXPECT_NE(xid_in_init, 0u);  // the window exists while it initialises
  EXPECT_EQ(dlg.events, (std::vector<std::string>{"init", "timer 3", "timer 3", "timer 3"}));
  EXPECT_FALSE(dlg.IsWindow());
}

TEST(DialogLayer, TemplateControlsInPixelsBoundOrOwned) {
  CScriptedDlg dlg(TestTemplate());
  dlg.on_init = [](CScriptedDlg& d) {
    const Rect base = d.MapDialogRect(0, 0, 4, 8);  // the base units themselves
    EXPECT_GT(base.width(), 3);
    EXPECT_GT(base.height(), 8);
    EXPECT_EQ(d.GetClientRect().width(), base.width() * 50);
    EXPECT_EQ(d.GetDlgItem(10), &d.bound_button);
    EXPECT_EQ(d.bound_button.m_strText, "确定");
    EXPECT_EQ(d.bound_button.GetWindowRect(), d.MapDialogRect(10, 70, 50, 14));
    auto* label = dynamic_cast<CStaticEx*>(d.GetDlgItem(11));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->m_strText, "标签");
    auto* edit = dynamic_cast<CEdit*>(d.GetDlgItem(12));
    ASSERT_NE(edit, nullptr);
    edit->SetWindowText("Ctrl  +  K");
    EXPECT_EQ(edit->GetWindowText(), "Ctrl  +  K");
    EXPECT_EQ(d.GetDlgItem(99), nullptr);
    d.PostMessage(WM_COMMAND, MakeWParam(IDOK, BN_CLICKED), 0);
  };
  const GSourceId watchdog = Watchdog(dlg);
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.events.back(), "ok");
}

TEST(DialogLayer, MessagesPostedFromAWorkerPassPreTranslationFirst) {
  CScriptedDlg dlg(TestTemplate());
  std::thread worker;
  dlg.pre_translate = [](const Msg& msg) { return msg.message == WM_USER + 5 && msg.wparam == 2; };
  dlg.on_init = [&](CScriptedDlg& d) {
    worker = std::thread([&d] {
      for (std::uintptr_t i = 1; i <= 3; ++i) d.PostMessage(WM_USER + 5, i, 7531);
      d.PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box: WM_CLOSE, OnCancel
    });
  };
  const GSourceId watchdog = Watchdog(dlg);
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  worker.join();
  EXPECT_EQ(dlg.events, (std::vector<std::string>{"init", "user 1 7531", "user 3 7531", "cancel"}));
}

// A message still queued when its window goes is dropped (the sanitizer build would see a use of
// the destroyed window otherwise).
TEST(DialogLayer, MessagesToAGoneWindowAreDropped) {
  {
    CScriptedDlg dlg(TestTemplate());
    ASSERT_TRUE(dlg.Create());
    dlg.PostMessage(WM_USER + 5, 1, 0);
    dlg.SetTimer(1, 1);
  }
  for (int i = 0; i < 50; ++i) g_main_context_iteration(nullptr, FALSE);
  CScriptedDlg next(TestTemplate());
  ASSERT_TRUE(next.Create());
  for (int i = 0; i < 20; ++i) g_main_context_iteration(nullptr, FALSE);
  EXPECT_EQ(next.events, (std::vector<std::string>{"init"}));
}

TEST(DialogLayer, ModelessWindowShownByItsStyleAndHiddenByEndDialog) {
  DialogTemplate t = TestTemplate();
  t.style |= WS_VISIBLE;
  CScriptedDlg dlg(t);
  ASSERT_TRUE(dlg.Create());
  EXPECT_FALSE(dlg.IsModal());
  EXPECT_TRUE(dlg.IsWindowVisible());
  dlg.EndDialog(IDOK);
  EXPECT_FALSE(dlg.IsWindowVisible());
  EXPECT_TRUE(dlg.IsWindow());
  dlg.DestroyWindow();
  EXPECT_FALSE(dlg.IsWindow());
}

TEST(DialogLayer, ModalInsideModalAndCentredOnItsOwner) {
  CScriptedDlg outer(TestTemplate());
  int inner_result = 0;
  Rect inner_rect, outer_rect;
  outer.on_init = [&](CScriptedDlg& d) {
    d.MoveWindow({100, 100, 500, 400}, false);
    d.SetTimer(1, 50);
  };
  outer.on_timer = [&](int) {
    outer.KillTimer(1);
    CScriptedDlg inner(TestTemplate(), &outer);
    inner.on_init = [](CScriptedDlg& d) { d.SetTimer(2, 50); };
    inner.on_timer = [&](int) {
      inner_rect = inner.GetWindowRect();
      inner.EndDialog(IDYES);
    };
    outer_rect = outer.GetWindowRect();
    inner_result = inner.DoModal();
    outer.EndDialog(IDNO);
  };
  const GSourceId watchdog = Watchdog(outer);
  EXPECT_EQ(outer.DoModal(), IDNO);
  EXPECT_EQ(inner_result, IDYES);
  EXPECT_NEAR(inner_rect.left + inner_rect.width() / 2, outer_rect.left + outer_rect.width() / 2, 1);
  EXPECT_NEAR(inner_rect.top + inner_rect.height() / 2, outer_rect.top + outer_rect.height() / 2, 1);
}

TEST(DialogLayer, KeysPassPreTranslationThenEnterAndEscapeAnswer) {
  for (const char* key : {"Return", "Escape"}) {
    CScriptedDlg dlg(TestTemplate());
    std::vector<int> keys;
    dlg.pre_translate = [&](const Msg& msg) {
      if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
      keys.push_back(static_cast<int>(msg.wparam));
      return msg.wparam == VK_F5;  // F5 is consumed here
    };
    dlg.on_init = [&](CScriptedDlg& d) {
      d.SetWindowPosition(0, 0);
      XdoAsync(std::string("mousemove 60 60 sleep 0.3 key F5 sleep 0.1 key ") + key);
    };
    const GSourceId watchdog = Watchdog(dlg);
    const int result = dlg.DoModal();
    EXPECT_EQ(result, std::string(key) == "Return" ? IDOK : IDCANCEL) << key;
    EXPECT_EQ(keys, (std::vector<int>{VK_F5, std::string(key) == "Return" ? VK_RETURN : VK_ESCAPE})) << key;
  }
}

// A message box given a window id of this process is centred on that window; the desktop's
// close request answers IDCANCEL.
TEST(DialogLayer, MessageBoxCentredOnItsOwnerWindowId) {
  DialogTemplate t = TestTemplate();
  t.style |= WS_VISIBLE;
  CScriptedDlg owner(t);
  ASSERT_TRUE(owner.Create());
  owner.MoveWindow({500, 300, 900, 600}, false);
  for (int i = 0; i < 20; ++i) g_main_context_iteration(nullptr, FALSE);
  struct Seen {
    int x = 0, y = 0, w = 0, h = 0;
  } seen;
  const GSourceId probe(g_timeout_add(
      300,
      [](gpointer data) -> gboolean {
        GList* windows = gtk_window_list_toplevels();
        for (GList* w = windows; w; w = w->next) {
          GtkWindow* window = GTK_WINDOW(w->data);
          if (!gtk_window_get_modal(window)) continue;
          auto* s = static_cast<Seen*>(data);
          gdk_window_get_origin(gtk_widget_get_window(GTK_WIDGET(window)), &s->x, &s->y);
          s->w = gtk_widget_get_allocated_width(GTK_WIDGET(window));
          s->h = gtk_widget_get_allocated_height(GTK_WIDGET(window));
          gtk_window_close(window);
        }
        g_list_free(windows);
        return G_SOURCE_CONTINUE;
      },
      &seen));
  EXPECT_EQ(ShowMessageBox(owner.GetSafeXid(), "缓存清除完毕！", kMessageTitle, MB_OK), IDCANCEL);
  ASSERT_GT(seen.w, 0);
  EXPECT_NEAR(seen.x + seen.w / 2, 700, 1);
  EXPECT_NEAR(seen.y + seen.h / 2, 450, 1);
}

}  // namespace
}  // namespace ylcs

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new ylcs::DisplayEnvironment);
  return RUN_ALL_TESTS();
}
