#include "platform/embedding.h"

#include <gdk/gdkx.h>
#include <gtk/gtkx.h>

namespace ylcs {

GtkWidget* NewEmbeddingSocket() {
  GtkWidget* socket = gtk_socket_new();
  g_signal_connect(socket, "plug-removed", G_CALLBACK(+[](GtkSocket*, gpointer) -> gboolean { return TRUE; }),
                   nullptr);
  gtk_widget_set_size_request(socket, 1, 1);
  return socket;
}

void EmbedWindow(GtkWidget* socket, WindowId window) {
  if (!gtk_widget_get_realized(socket)) gtk_widget_realize(socket);
  gtk_socket_add_id(GTK_SOCKET(socket), window);
}

void ReleaseEmbeddedWindow(WindowId window) {
  GdkDisplay* display = gdk_display_get_default();
  if (display == nullptr || !GDK_IS_X11_DISPLAY(display)) return;
  Display* x = GDK_DISPLAY_XDISPLAY(display);
  gdk_x11_display_error_trap_push(display);
  XUnmapWindow(x, window);
  XReparentWindow(x, window, DefaultRootWindow(x), 0, 0);
  XSync(x, False);
  gdk_x11_display_error_trap_pop_ignored(display);
}

}  // namespace ylcs
