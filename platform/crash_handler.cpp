#include "platform/crash_handler.h"

#include <execinfo.h>
#include <fcntl.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstring>

namespace ylcs {

namespace {

// Signal handlers can only reach process-wide state; these are set once, before any handler runs.
constexpr std::size_t kPathMax = 4096;
std::array<char, kPathMax> g_report_path{};
std::atomic<bool> g_reported{false};
std::atomic<bool> g_report_written{false};
constexpr std::array kFatalSignals{SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTRAP, SIGSYS};

void WriteText(int fd, const char* text) {
  std::size_t left = std::strlen(text);
  while (left > 0) {
    const ssize_t n = write(fd, text, left);
    if (n <= 0) return;
    text += n;
    left -= static_cast<std::size_t>(n);
  }
}

// Decimal without stdio (not async-signal-safe).
void WriteNumber(int fd, unsigned long value) {
  char digits[24];
  std::size_t i = sizeof digits;
  digits[--i] = '\0';
  do {
    digits[--i] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0 && i > 0);
  WriteText(fd, digits + i);
}

void CopyFile(int to_fd, const char* from_path) {
  const int from = open(from_path, O_RDONLY | O_CLOEXEC);
  if (from < 0) return;
  char buffer[4096];
  ssize_t n;
  while ((n = read(from, buffer, sizeof buffer)) > 0) {
    if (write(to_fd, buffer, static_cast<std::size_t>(n)) != n) break;
  }
  close(from);
}

void WriteReport(int signal_number, const siginfo_t* info) {
  const int fd = open(g_report_path.data(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return;
  WriteText(fd, "ylcskelvo crash report\nsignal: ");
  WriteNumber(fd, static_cast<unsigned long>(signal_number));
  WriteText(fd, " (");
  WriteText(fd, sigabbrev_np(signal_number) ? sigabbrev_np(signal_number) : "?");
  WriteText(fd, ")\ncode: ");
  WriteNumber(fd, static_cast<unsigned long>(info ? info->si_code : 0));
  WriteText(fd, "\npid: ");
  WriteNumber(fd, static_cast<unsigned long>(getpid()));
  WriteText(fd, "\n\nbacktrace:\n");
  void* frames[64];
  const int count = backtrace(frames, static_cast<int>(std::size(frames)));
  backtrace_symbols_fd(frames, count, fd);
  WriteText(fd, "\nmemory map:\n");
  CopyFile(fd, "/proc/self/maps");
  close(fd);
}

void OnFatalSignal(int signal_number, siginfo_t* info, void*) {
  if (!g_reported.exchange(true)) {
    WriteReport(signal_number, info);
    g_report_written = true;
  } else {
    // Another thread crashed first: let it finish its report before this one ends the process.
    const timespec pause{0, 10'000'000L};
    for (int i = 0; i < 500 && !g_report_written; ++i) nanosleep(&pause, nullptr);
  }
  // Let the system's own handling follow: the default action, raised again on return.
  signal(signal_number, SIG_DFL);
  if (info == nullptr || info->si_code <= 0) raise(signal_number);
}

}  // namespace

void InstallCrashHandler(const std::string& report_path) {
  if (report_path.empty() || report_path.size() >= kPathMax) return;
  std::memcpy(g_report_path.data(), report_path.c_str(), report_path.size() + 1);

  // backtrace() loads libgcc on first use, which must not happen inside the handler.
  void* warm_up[1];
  backtrace(warm_up, 1);

  // A stack of its own, so a stack overflow can still be reported.
  static std::array<char, std::size_t{64} * 1024> alternate_stack;
  stack_t stack{};
  stack.ss_sp = alternate_stack.data();
  stack.ss_size = alternate_stack.size();
  sigaltstack(&stack, nullptr);

  struct sigaction action {};
  action.sa_sigaction = OnFatalSignal;
  action.sa_flags = SA_SIGINFO | SA_ONSTACK;
  sigemptyset(&action.sa_mask);
  for (int sig : kFatalSignals) sigaction(sig, &action, nullptr);
}

}  // namespace ylcs
