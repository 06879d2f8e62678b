#pragma once
// Runs the stand-in client service (the project's own program) for a test: on a free port of
// 127.0.0.1, with the test's options, stopped with SIGTERM when the test ends.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

namespace ylcs::testing {

class StandInService {
 public:
  explicit StandInService(const std::vector<std::string>& options = {}) {
    std::vector<std::string> args = {YLCS_SERVICE, "--port", "0"};
    args.insert(args.end(), options.begin(), options.end());
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::dup2(out[1], STDOUT_FILENO);
      std::vector<char*> argv;
      for (auto& a : args) argv.push_back(a.data());
      argv.push_back(nullptr);
      ::execv(argv[0], argv.data());
      ::_exit(127);
    }
    ::close(out[1]);
    port_ = ReadPort(out[0]);
    ::close(out[0]);
  }
  StandInService(const StandInService&) = delete;
  StandInService& operator=(const StandInService&) = delete;
  ~StandInService() { Stop(); }

  // 0 when the service did not come up.
  int port() const { return port_; }
  std::string host() const { return "127.0.0.1:" + std::to_string(port_); }
  std::string Url(const std::string& path) const { return "http://" + host() + path; }

  // Stops the service with SIGTERM; its exit status (-1 when it did not end normally).
  int Stop() {
    if (pid_ <= 0) return exit_status_;
    ::kill(pid_, SIGTERM);
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0) {
    }
    pid_ = -1;
    exit_status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return exit_status_;
  }

 private:
  // Reads "listening on http://127.0.0.1:PORT" from the service's first line of output.
  static int ReadPort(int fd) {
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (line.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
      pollfd p{fd, POLLIN, 0};
      if (::poll(&p, 1, 100) <= 0) continue;
      char buffer[256];
      const ssize_t got = ::read(fd, buffer, sizeof buffer);
      if (got <= 0) break;
      line.append(buffer, static_cast<std::size_t>(got));
    }
    const std::string prefix = "listening on http://127.0.0.1:";
    if (line.rfind(prefix, 0) != 0) return 0;
    return std::stoi(line.substr(prefix.size()));
  }

  pid_t pid_ = -1;
  int port_ = 0;
  int exit_status_ = -1;
};

}  // namespace ylcs::testing
