#include "platform/process.h"

#include <glib.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace ylcs {

namespace {

// Everything the child needs, prepared before fork: after it only async-signal-safe calls run.
struct ExecArgs {
  explicit ExecArgs(const std::vector<std::string>& args) : strings(args) {
    for (auto& s : strings) pointers.push_back(s.data());
    pointers.push_back(nullptr);
  }
  std::vector<std::string> strings;
  std::vector<char*> pointers;
};

// Runs in the forked child; never returns.
[[noreturn]] void ExecLowPriority(const ExecArgs& args) {
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  signal(SIGPIPE, SIG_DFL);
  setpriority(PRIO_PROCESS, 0, 19);
  syscall(SYS_close_range, 3u, ~0u, 0u);
  execv(args.pointers[0], args.pointers.data());
  _exit(127);
}

pid_t WaitRetrying(pid_t pid, int* status) {
  pid_t r;
  do {
    r = waitpid(pid, status, 0);
  } while (r < 0 && errno == EINTR);
  return r;
}

}  // namespace

bool StartDetached(const std::vector<std::string>& argv) {
  if (argv.empty()) return false;
  const ExecArgs args(argv);
  const pid_t middle = fork();
  if (middle < 0) return false;
  if (middle == 0) {
    const pid_t grandchild = fork();
    if (grandchild == 0) ExecLowPriority(args);
    _exit(grandchild < 0 ? 1 : 0);
  }
  int status = 0;
  return WaitRetrying(middle, &status) == middle && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct ChildProcess::Watch {
  bool running = true;
};

std::optional<ChildProcess> ChildProcess::Start(const std::vector<std::string>& argv) {
  if (argv.empty()) return std::nullopt;
  const ExecArgs args(argv);
  const pid_t pid = fork();
  if (pid < 0) return std::nullopt;
  if (pid == 0) ExecLowPriority(args);

  auto watch = std::make_shared<Watch>();
  auto* held = new std::shared_ptr<Watch>(watch);
  g_child_watch_add_full(
      G_PRIORITY_DEFAULT, pid,
      +[](GPid, gint, gpointer data) { (*static_cast<std::shared_ptr<Watch>*>(data))->running = false; },
      held, +[](gpointer data) { delete static_cast<std::shared_ptr<Watch>*>(data); });
  return ChildProcess(pid, std::move(watch));
}

bool ChildProcess::IsRunning() const { return watch_ && watch_->running; }

void ChildProcess::Terminate() const {
  if (IsRunning()) kill(pid_, SIGKILL);
}

void ChildProcess::TerminateAndReap() const {
  Terminate();
  const gint64 deadline = g_get_monotonic_time() + G_USEC_PER_SEC;
  while (IsRunning() && g_get_monotonic_time() < deadline) {
    if (!g_main_context_iteration(nullptr, FALSE)) g_usleep(1000);
  }
}

}  // namespace ylcs
