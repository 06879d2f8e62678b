#pragma once
// The stand-in client service: the portal's login page and game, the game list, the update
// configurations with the files they point to, the notice, and the usage report addresses, served
// over HTTP on 127.0.0.1 only.

#include <memory>
#include <string>

#include "service_options.h"

namespace ylcs::service {

class ClientService {
 public:
  ClientService(ServiceOptions options, std::string version);
  ClientService(const ClientService&) = delete;
  ClientService& operator=(const ClientService&) = delete;
  ~ClientService();

  // Opens the request log and reads the release; false with a message when a file that was
  // given cannot be used.
  bool Prepare(std::string* error);
  // Binds 127.0.0.1:port (0: a free port); the port bound, or -1.
  int Bind(int port);
  // Answers requests until Stop; false when serving failed.
  bool Serve();
  // From any thread: stops serving.
  void Stop();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace ylcs::service
