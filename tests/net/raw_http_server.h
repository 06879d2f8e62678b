#pragma once
// A peer on loopback that answers HTTP requests with exact bytes, for the shapes a server library
// would not send: a body shorter than its length, a chunked body without a length, a stall. It
// takes one connection at a time, records each request head as received, and lets the test's
// answer function write whatever it wants before the connection is closed.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace ylcs::testing {

// Writes all bytes; false once the peer has gone.
inline bool SendAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

inline std::string HttpAnswer(const std::string& status_line, const std::string& headers,
                              const std::string& body) {
  return status_line + "\r\n" + headers + "\r\n" + body;
}

// "HTTP/1.1 <status>" with a Content-Length that matches the body.
inline std::string HttpAnswerWithLength(int status, const std::string& body) {
  return HttpAnswer("HTTP/1.1 " + std::to_string(status) + " X",
                    "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n", body);
}

class RawHttpServer {
 public:
  // Called for each request with the connection and the request head; the connection is closed
  // when it returns.
  using Answer = std::function<void(int fd, const std::string& request)>;

  // Listens on a free port of `ip` (any address of the loopback network).
  explicit RawHttpServer(Answer answer, const char* ip = "127.0.0.1") : answer_(std::move(answer)) {
    listen_fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    ::inet_pton(AF_INET, ip, &address.sin_addr);
    ::bind(listen_fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(listen_fd_, 16);
    socklen_t size = sizeof address;
    ::getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    ip_ = ip;
    thread_ = std::thread([this] { Serve(); });
  }
  RawHttpServer(const RawHttpServer&) = delete;
  RawHttpServer& operator=(const RawHttpServer&) = delete;
  ~RawHttpServer() {
    stop_ = true;
    thread_.join();
    ::close(listen_fd_);
  }

  int port() const { return port_; }
  std::string host() const { return ip_ + ":" + std::to_string(port_); }
  std::string Url(const std::string& path) const { return "http://" + host() + path; }

  std::vector<std::string> requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
  }
  int connections() const { return connections_; }

 private:
  void Serve() {
    while (!stop_) {
      pollfd p{listen_fd_, POLLIN, 0};
      if (::poll(&p, 1, 50) <= 0) continue;
      const int fd = ::accept4(listen_fd_, nullptr, nullptr, SOCK_CLOEXEC);
      if (fd < 0) continue;
      ++connections_;
      const std::string head = ReadHead(fd);
      {
        std::lock_guard lock(mutex_);
        requests_.push_back(head);
      }
      if (!head.empty()) answer_(fd, head);
      ::close(fd);
    }
  }

  static std::string ReadHead(int fd) {
    std::string head;
    char c = 0;
    while (head.size() < 65536 && ::recv(fd, &c, 1, 0) == 1) {
      head += c;
      if (head.size() >= 4 && head.compare(head.size() - 4, 4, "\r\n\r\n") == 0) break;
    }
    return head;
  }

  Answer answer_;
  int listen_fd_ = -1;
  int port_ = 0;
  std::string ip_;
  std::atomic<bool> stop_{false};
  std::atomic<int> connections_{0};
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

}  // namespace ylcs::testing
