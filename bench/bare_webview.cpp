// The yardstick of the login benchmark: a bare WebKitGTK window (a GtkWindow and a WebKitWebView,
// drawn in software like the launcher's) that loads one address and reports, on stdout, the
// milliseconds from its start to the first completed load, then "ready" while it stays open.
// Usage: bare_webview <url>

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <cstdio>

namespace {

gint64 g_started = 0;  // monotonic start time of this process's work (a one-shot tool)

void OnLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer) {
  if (event != WEBKIT_LOAD_FINISHED || g_started == 0) return;
  std::printf("%.1f\nready\n", static_cast<double>(g_get_monotonic_time() - g_started) / 1000.0);
  std::fflush(stdout);
  g_started = 0;
}

}  // namespace

int main(int argc, char** argv) {
  g_started = g_get_monotonic_time();
  gdk_set_allowed_backends("x11");
  if (argc < 2 || !gtk_init_check(&argc, &argv)) return 2;
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_default_size(GTK_WINDOW(window), 1024, 700);
  GtkWidget* view = webkit_web_view_new();
  webkit_settings_set_hardware_acceleration_policy(webkit_web_view_get_settings(WEBKIT_WEB_VIEW(view)),
                                                   WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER);
  g_signal_connect(view, "load-changed", G_CALLBACK(OnLoadChanged), nullptr);
  gtk_container_add(GTK_CONTAINER(window), view);
  gtk_widget_show_all(window);
  webkit_web_view_load_uri(WEBKIT_WEB_VIEW(view), argv[1]);
  gtk_main();
  return 0;
}
