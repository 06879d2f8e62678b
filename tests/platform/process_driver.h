#pragma once
// Running the program and its helpers as separate processes in a test: start with an argument
// vector (optionally reading the process's output), read lines, wait for the end with a bound.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace ylcs::testing {

// Starts the program; with `out`, its standard output can be read from *out.
inline pid_t StartProcess(const std::vector<std::string>& args, FILE** out = nullptr) {
  int pipe_fds[2] = {-1, -1};
  if (out && pipe(pipe_fds) != 0) return -1;
  const pid_t pid = fork();
  if (pid == 0) {
    if (out) dup2(pipe_fds[1], 1);
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  if (out) {
    close(pipe_fds[1]);
    *out = fdopen(pipe_fds[0], "r");
  }
  return pid;
}

// One line of output without its line feed; "<end>" when there is none any more.
inline std::string ReadLine(FILE* in) {
  char line[512] = {};
  if (!in || !fgets(line, sizeof line, in)) return "<end>";
  std::string text(line);
  if (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

// Waits up to `limit` for the process to end; true when it did. Either way it is reaped (killed
// first when it did not end).
inline bool EndsWithin(pid_t pid, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < deadline) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  return false;
}

// Ends the process at once and reaps it.
inline void KillProcess(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

}  // namespace ylcs::testing
