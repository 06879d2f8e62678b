// Test helper: a program window in a process of its own. It prints its window id, then one line
// per message it receives. Copy-data texts are accepted except "refuse"; "vanish" ends the
// process before it answers. A posted close request ends it cleanly.

#include <gtk/gtk.h>
#include <unistd.h>

#include <cstdio>

#include "platform/window_messages.h"
#include "rules/app/window_messages.h"

int main(int argc, char** argv) {
  gdk_set_allowed_backends("x11");
  if (!gtk_init_check(&argc, &argv)) return 2;
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  ylcs::MessageReceiver receiver(
      window,
      [](const ylcs::WindowMessage& m) {
        std::printf("post %u %u %d %d\n", m.message, m.wparam, m.lparam, static_cast<int>(m.sender_pid));
        std::fflush(stdout);
        if (m.message == ylcs::WM_SYSCOMMAND && m.wparam == ylcs::SC_CLOSE) gtk_main_quit();
      },
      [](const ylcs::CopyDataRequest& request) {
        if (request.text == "vanish") _exit(0);
        std::printf("copy %u %s\n", request.data_kind, request.text.c_str());
        std::fflush(stdout);
        return request.text != "refuse";
      });
  std::printf("%u\n", receiver.id());
  std::fflush(stdout);
  gtk_main();
  return 0;
}
