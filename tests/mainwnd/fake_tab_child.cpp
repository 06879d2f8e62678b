// Test helper that behaves like a login child of the main window, seen from outside: started as
// "<program> /newgm /<owner> /<tabs>", it sends its tab caption with a copy-data request, then
// shows a plug window (a plain colour of its own) and announces it with WM_GAMEFRAME_READY. It
// ends when told to close or when its owner is gone.
//
// Set-up through the folder named by FAKE_TAB_DIR: the file "caption" (if present when the child
// starts) holds the caption to send, else "tab-<pid>"; "colour" holds an RGB hex colour; while a
// file "hold" exists the child waits before it sends its caption (a login still open). Each child
// writes "<pid>.log" there: "owner <id>", "caption accepted|refused", "frame <id>", "mute <n>",
// "closed".

#include <gtk/gtk.h>
#include <gtk/gtkx.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/window_messages.h"
#include "rules/app/launch_mode.h"
#include "rules/app/window_messages.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  std::string s = text.str();
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
  return s;
}

class Log {
 public:
  explicit Log(const std::string& path) : out_(path, std::ios::app) {}
  void Line(const std::string& text) { out_ << text << std::endl; }

 private:
  std::ofstream out_;
};

}  // namespace

int main(int argc, char** argv) {
  gdk_set_allowed_backends("x11");
  if (!gtk_init_check(&argc, &argv)) return 2;
  const std::vector<std::string> args(argv, argv + argc);
  const ylcs::Classification role = ylcs::ClassifyCommandLine(args, "/", "/nowhere");
  const ylcs::WindowId owner = role.owner_window;
  const char* dir_env = getenv("FAKE_TAB_DIR");
  const std::string dir = dir_env ? dir_env : "/tmp";
  Log log(dir + "/" + std::to_string(getpid()) + ".log");

  log.Line("owner " + std::to_string(owner));
  // Read the set-up before waiting: it belongs to the moment the login was started.
  std::string caption = ReadFile(dir + "/caption");
  const std::string colour_text = ReadFile(dir + "/colour");
  while (g_file_test((dir + "/hold").c_str(), G_FILE_TEST_EXISTS)) g_usleep(20 * 1000);
  if (caption.empty()) caption = "tab-" + std::to_string(getpid());
  if (!ylcs::SendCopyData(owner, 0, caption)) {
    log.Line("caption refused");
    // What a cancelled login tells its owner.
    ylcs::PostWindowMessage(owner, ylcs::WM_SYSCOMMAND, ylcs::SC_CLOSE, ylcs::kSynthesizedMarker);
    return 0;
  }
  log.Line("caption accepted " + caption);

  GtkWidget* plug = gtk_plug_new(0);
  GtkWidget* area = gtk_drawing_area_new();
  gtk_container_add(GTK_CONTAINER(plug), area);
  GdkRGBA colour{0.2, 0.5, 0.2, 1.0};
  if (!colour_text.empty()) gdk_rgba_parse(&colour, ("#" + colour_text).c_str());
  g_signal_connect(area, "draw", G_CALLBACK(+[](GtkWidget*, cairo_t* cr, gpointer data) -> gboolean {
                     gdk_cairo_set_source_rgba(cr, static_cast<GdkRGBA*>(data));
                     cairo_paint(cr);
                     return TRUE;
                   }),
                   &colour);
  ylcs::MessageReceiver receiver(plug, [&](const ylcs::WindowMessage& m) {
    if (m.message == ylcs::WM_SET_MUTE) log.Line("mute " + std::to_string(m.wparam));
    if (m.message == ylcs::WM_SYSCOMMAND && m.wparam == ylcs::SC_CLOSE) {
      log.Line("closed");
      gtk_main_quit();
    }
  });
  // Like a game frame, a plug taken out of its socket ends the child.
  g_signal_connect(plug, "delete-event", G_CALLBACK(+[](GtkWidget*, GdkEvent*, gpointer data) -> gboolean {
                     static_cast<Log*>(data)->Line("released");
                     gtk_main_quit();
                     return TRUE;
                   }),
                   &log);
  gtk_widget_show_all(plug);
  log.Line("frame " + std::to_string(receiver.id()));
  ylcs::PostWindowMessage(owner, ylcs::WM_GAMEFRAME_READY, receiver.id(), 0);
  ylcs::OwnerWatch watch(owner);
  g_timeout_add(
      800,
      +[](gpointer data) -> gboolean {
        if (!static_cast<ylcs::OwnerWatch*>(data)->IsAlive()) gtk_main_quit();
        return G_SOURCE_CONTINUE;
      },
      &watch);
  gtk_main();
  return 0;
}
