// Times the road of a login and the memory of one game tab, next to a bare WebKitGTK window that
// loads the same pages from the same service. Runs in the current display (start it under
// xvfb-run); prints one line per figure.
// Usage: login_road_bench <ylcskelvo> <ylcs_service> <bare_webview>

#include <gtk/gtk.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "desktop_driver.h"
#include "process_driver.h"
#include "temp_home.h"

namespace {

using namespace ylcs::testing;
using Clock = std::chrono::steady_clock;
constexpr const char* kTitle = "kelvo - 云岭传说";

double MillisSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Proportional set size of a process and of every process below it, in MiB.
double TreePssMiB(pid_t root) {
  double kib = 0;
  std::vector<pid_t> pids{root};
  for (std::size_t i = 0; i < pids.size(); ++i) {
    const std::string rollup = ReadWholeFile("/proc/" + std::to_string(pids[i]) + "/smaps_rollup");
    const auto at = rollup.find("\nPss:");
    if (at != std::string::npos) kib += std::stod(rollup.substr(at + 5));
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
      const std::string stat = ReadWholeFile(entry.path() / "stat");
      const auto close_paren = stat.rfind(')');
      if (close_paren == std::string::npos) continue;
      int parent = 0;
      if (std::sscanf(stat.c_str() + close_paren + 2, "%*c %d", &parent) == 1 && parent == pids[i]) {
        pids.push_back(std::stoi(entry.path().filename()));
      }
    }
  }
  return kib / 1024.0;
}

pid_t ProcessWith(const std::string& needle) {
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    std::string cmdline = ReadWholeFile(entry.path() / "cmdline");
    std::replace(cmdline.begin(), cmdline.end(), '\0', ' ');
    if (cmdline.find(needle) != std::string::npos) return std::stoi(entry.path().filename());
  }
  return 0;
}

unsigned long WindowAt(const std::string& name, int x, int min_width) {
  for (unsigned long id : VisibleWindowsNamed(name)) {
    const Geometry g = GeometryOf(id);
    if ((x < 0 || g.x == x) && g.width >= min_width) return id;
  }
  return 0;
}

// Starts the bare window on `url`: milliseconds to its first completed load, and its memory.
std::pair<double, double> BareWindow(const std::string& program, const std::string& url) {
  FILE* out = nullptr;
  const pid_t pid = StartProcess({program, url}, &out);
  char line[64] = {};
  double ms = -1;
  if (out && std::fgets(line, sizeof line, out)) ms = std::stod(line);
  std::this_thread::sleep_for(2s);
  const double mib = TreePssMiB(pid);
  KillProcess(pid);
  if (out) std::fclose(out);
  return {ms, mib};
}

}  // namespace

int main(int argc, char** argv) {
  gdk_set_allowed_backends("x11");
  if (argc < 4 || !gtk_init_check(&argc, &argv)) {
    std::fprintf(stderr,
                 "usage (in a display): login_road_bench <ylcskelvo> <ylcs_service> <bare_webview>\n");
    return 2;
  }
  TempHome home;
  FILE* service_out = nullptr;
  const pid_t service = StartProcess({argv[2], "--port", "0"}, &service_out);
  char line[128] = {};
  if (!service_out || !std::fgets(line, sizeof line, service_out)) return 1;
  std::string host = line + std::string("listening on http://").size();
  while (!host.empty() && (host.back() == '\n' || host.back() == '\r')) host.pop_back();
  g_setenv("YLCS_SERVICE_HOST", host.c_str(), TRUE);
  g_setenv("YLCS_LOGIN_HOST", host.c_str(), TRUE);
  const std::string login_url = "http://" + host + "/client_login.html";
  const std::string game_url = "http://" + host + "/game/play.html?server=12&account=alice";

  // Start to the login page's first completed load: the page window shows itself then.
  const auto start = Clock::now();
  const pid_t launcher = StartProcess({argv[1], "/YlcsKelvoD"});
  unsigned long page = 0;
  WaitFor([&] { return (page = WindowAt(kTitle, 353, 888)) != 0; }, 60s);
  const double to_login = MillisSince(start);

  // The login command to the game page's completed load: the tab's frame shows itself then.
  std::this_thread::sleep_for(1s);
  const Geometry p = GeometryOf(page);
  Click(p.x + 290, p.y + 181);
  XDo({"windowfocus", "--sync", std::to_string(page), "type", "alice"});
  Click(p.x + 290, p.y + 215);
  XDo({"windowfocus", "--sync", std::to_string(page), "type", "secret"});
  const auto login = Clock::now();
  XDo({"key", "Return"});
  unsigned long main_window = 0;
  WaitFor([&] { return (main_window = WindowAt(kTitle, -1, 1000)) != 0; }, 60s);
  const Geometry m = GeometryOf(main_window);
  const int cx = m.x + m.width / 2;
  const int cy = m.y + m.height * 3 / 4;
  const Rgb8 empty = ScreenPixel(cx, cy);
  WaitFor([&] { return !(ScreenPixel(cx, cy) == empty); }, 60s);
  const double to_game = MillisSince(login);
  std::this_thread::sleep_for(2s);
  const double tab_mib = TreePssMiB(ProcessWith("/newgm /"));
  KillProcess(launcher);
  std::this_thread::sleep_for(1s);

  const auto [bare_login, bare_login_mib] = BareWindow(argv[3], login_url);
  const auto [bare_game, bare_game_mib] = BareWindow(argv[3], game_url);
  KillProcess(service);

  std::printf("launcher start to login page loaded:     %8.0f ms   (bare WebKitGTK window: %6.0f ms)\n",
              to_login, bare_login);
  std::printf("login command to game page shown:        %8.0f ms   (bare WebKitGTK window: %6.0f ms)\n",
              to_game, bare_game);
  std::printf("one game tab (process and its web process): %6.0f MiB  (bare WebKitGTK window: %6.0f MiB)\n",
              tab_mib, bare_game_mib);
  (void)bare_login_mib;
  return 0;
}
