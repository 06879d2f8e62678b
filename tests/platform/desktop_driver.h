#pragma once
// Driving the program's windows on the test display as a player would: find windows, read their
// geometry and pixels, move the pointer and type with xdotool.

#include <gtest/gtest.h>

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <chrono>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace ylcs::testing {

using namespace std::chrono_literals;

struct Rgb8 {
  int r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb8&, const Rgb8&) = default;
};
inline std::ostream& operator<<(std::ostream& out, const Rgb8& c) {
  return out << c.r << "," << c.g << "," << c.b;
}

struct Geometry {
  int x = 0, y = 0, width = 0, height = 0;
};

// Runs the main loop until `done` holds or the limit passes.
template <typename Predicate>
bool WaitFor(Predicate done, std::chrono::milliseconds limit = 10s) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    std::this_thread::sleep_for(20ms);
  }
  return true;
}

inline std::string RunForOutput(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  argv.reserve(args.size() + 1);
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  gchar* out = nullptr;
  g_spawn_sync(nullptr, argv.data(), nullptr, G_SPAWN_SEARCH_PATH, nullptr, nullptr, &out, nullptr, nullptr,
               nullptr);
  std::string text = out ? out : "";
  g_free(out);
  return text;
}

inline Geometry GeometryOf(unsigned long id) {
  GdkDisplay* display = gdk_display_get_default();
  Display* x = GDK_DISPLAY_XDISPLAY(display);
  XWindowAttributes a{};
  Geometry g;
  gdk_x11_display_error_trap_push(display);
  if (XGetWindowAttributes(x, id, &a)) {
    Window child = 0;
    XTranslateCoordinates(x, id, DefaultRootWindow(x), 0, 0, &g.x, &g.y, &child);
    g.width = a.width;
    g.height = a.height;
  }
  gdk_x11_display_error_trap_pop_ignored(display);
  return g;
}

// Whether the window exists and is mapped on the screen.
inline bool IsMapped(unsigned long id) {
  GdkDisplay* display = gdk_display_get_default();
  XWindowAttributes a{};
  gdk_x11_display_error_trap_push(display);
  const Status ok = XGetWindowAttributes(GDK_DISPLAY_XDISPLAY(display), id, &a);
  gdk_x11_display_error_trap_pop_ignored(display);
  return ok != 0 && a.map_state == IsViewable;
}

inline Rgb8 ScreenPixel(int x, int y) {
  GdkPixbuf* shot = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), x, y, 1, 1);
  if (!shot) return {};
  const guchar* p = gdk_pixbuf_get_pixels(shot);
  Rgb8 c{p[0], p[1], p[2]};
  g_object_unref(shot);
  return c;
}

// A pixel of a picture file (the program's artwork), or {-1,-1,-1} when it cannot be read.
inline Rgb8 FilePixel(const std::string& path, int x, int y) {
  GdkPixbuf* image = gdk_pixbuf_new_from_file(path.c_str(), nullptr);
  if (!image) return {-1, -1, -1};
  const guchar* p = gdk_pixbuf_get_pixels(image) + std::ptrdiff_t{y} * gdk_pixbuf_get_rowstride(image) +
                    std::ptrdiff_t{x} * gdk_pixbuf_get_n_channels(image);
  Rgb8 c{p[0], p[1], p[2]};
  g_object_unref(image);
  return c;
}

// Keeps the main loop running for a while (windows of this process go on working meanwhile).
inline void SpinFor(std::chrono::milliseconds duration) {
  const auto until = std::chrono::steady_clock::now() + duration;
  WaitFor([&] { return std::chrono::steady_clock::now() > until; }, duration + 1s);
}

// Runs xdotool with the arguments, keeping this process's main loop going until it is done.
inline void XDo(const std::vector<std::string>& args) {
  std::vector<char*> argv{const_cast<char*>("xdotool")};
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  GPid pid = 0;
  bool done = false;
  if (!g_spawn_async(nullptr, argv.data(), nullptr,
                     static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD), nullptr,
                     nullptr, &pid, nullptr)) {
    ADD_FAILURE() << "xdotool could not be started";
    return;
  }
  g_child_watch_add(
      pid, +[](GPid, gint, gpointer flag) { *static_cast<bool*>(flag) = true; }, &done);
  EXPECT_TRUE(WaitFor([&] { return done; }));
  SpinFor(150ms);
}

inline void Click(int x, int y, int button = 1) {
  XDo({"mousemove", std::to_string(x), std::to_string(y), "click", std::to_string(button)});
}

inline std::vector<unsigned long> VisibleWindowsNamed(const std::string& name) {
  std::vector<unsigned long> ids;
  std::istringstream lines(RunForOutput({"xdotool", "search", "--onlyvisible", "--name", "^" + name + "$"}));
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty()) ids.push_back(std::stoul(line));
  }
  return ids;
}

// Clicks a button of a window (at x, y of the screen) until the window has gone: a window just
// shown may not take input yet, the more so in a slow (sanitizer) build.
inline bool ClickUntilGone(unsigned long window, int x, int y, std::chrono::milliseconds limit = 20s) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < deadline) {
    Click(x, y);
    if (WaitFor([&] { return GeometryOf(window).width == 0 || !IsMapped(window); }, 2s)) return true;
  }
  return false;
}

// Saves the screen as `name`.png in the working folder, to look at when a test fails.
inline void SaveScreenshot(const std::string& name) {
  RunForOutput({"import", "-window", "root", name + ".png"});
}

}  // namespace ylcs::testing
