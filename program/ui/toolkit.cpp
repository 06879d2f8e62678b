#include "program/ui/toolkit.h"

#include <gtk/gtk.h>

namespace ylcs {

namespace {
bool g_toolkit_ready = false;  // process-wide: whether the display could be opened
}

bool InitToolkit(int* argc, char*** argv) {
  // The windows of the program are X11 windows (window ids travel between processes).
  gdk_set_allowed_backends("x11");
  g_toolkit_ready = gtk_init_check(argc, argv) != FALSE;
  return g_toolkit_ready;
}

bool HasToolkit() { return g_toolkit_ready; }

}  // namespace ylcs
