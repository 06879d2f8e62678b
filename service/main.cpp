// ylcs_service: the stand-in client service of the launcher, on 127.0.0.1 only. It prints where it
// listens ("listening on http://127.0.0.1:PORT") and stops cleanly on SIGTERM or SIGINT.

#include <pthread.h>
#include <signal.h>

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "client_service.h"

namespace {

// SIGUSR1 is ours: it wakes the stopper when serving ended by itself.
sigset_t StopSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGUSR1);
  return signals;
}

}  // namespace

int main(int argc, char** argv) {
  using ylcs::service::ClientService;
  std::string error;
  const auto options = ylcs::service::ParseServiceOptions(std::vector<std::string>(argv + 1, argv + argc),
                                                          YLCS_SERVICE_PORT, &error);
  if (!options) {
    if (!error.empty()) std::fprintf(stderr, "ylcs_service: %s\n", error.c_str());
    std::fputs(ylcs::service::kServiceUsage, error.empty() ? stdout : stderr);
    return error.empty() ? 0 : 2;
  }

  // The stop signals are taken by one thread of our own, never by the server's threads.
  const sigset_t signals = StopSignals();
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  signal(SIGPIPE, SIG_IGN);

  ClientService service(*options, YLCS_VERSION_TEXT);
  if (!service.Prepare(&error)) {
    std::fprintf(stderr, "ylcs_service: %s\n", error.c_str());
    return 1;
  }
  const int port = service.Bind(options->port);
  if (port <= 0) {
    std::fprintf(stderr, "ylcs_service: cannot listen on 127.0.0.1:%d\n", options->port);
    return 1;
  }
  std::printf("listening on http://127.0.0.1:%d\n", port);
  std::fflush(stdout);

  std::thread stopper([&service, signals] {
    int received = 0;
    sigwait(&signals, &received);
    service.Stop();
  });
  const bool served = service.Serve();
  // Serving may have ended on its own: wake the stopper so it can be joined.
  pthread_kill(stopper.native_handle(), SIGUSR1);
  stopper.join();
  return served ? 0 : 1;
}
