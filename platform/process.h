#pragma once
// Starting further processes of the program: an argument vector (no shell), the lowest CPU
// priority (nice 19) for the child, no descriptors inherited beyond the standard three, and
// every child reaped.

#include <sys/types.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ylcs {

// Starts a process that this one never waits for (the grandchild of a short-lived intermediate
// process, so it can never become our zombie). True when the start was made; a program that
// cannot be executed is not reported.
bool StartDetached(const std::vector<std::string>& argv);

// A started process whose pid is kept, to be terminated later. The GLib main loop reaps it when
// it ends (a child watch), so no zombie remains while the program runs on.
class ChildProcess {
 public:
  static std::optional<ChildProcess> Start(const std::vector<std::string>& argv);

  pid_t pid() const { return pid_; }
  // False once the main loop has seen the process end.
  bool IsRunning() const;
  // Ends the process at once (SIGKILL): the counterpart of terminating a process handle.
  void Terminate() const;
  // Terminates the process and runs the main loop until it has been reaped (at most a second),
  // for a caller about to end itself.
  void TerminateAndReap() const;

 private:
  struct Watch;
  ChildProcess(pid_t pid, std::shared_ptr<Watch> watch) : pid_(pid), watch_(std::move(watch)) {}
  pid_t pid_ = -1;
  std::shared_ptr<Watch> watch_;
};

}  // namespace ylcs
