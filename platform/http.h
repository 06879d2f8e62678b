#pragma once
// The one HTTP request of the program: a plain HTTP/1.1 GET with the User-Agent "RUD" and a fixed
// header block, no redirects followed, nothing taken from a cache. Three uses: a report whose
// answer is not read, a short text, and a file. Every failure is only a false result (or no
// text); nothing is shown or logged here.

#include <atomic>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include "platform/handles.h"

namespace ylcs {

// Which URLs a transfer accepts: any, or only those whose host is a portal domain (for URLs that
// came from the server).
enum class UrlCheck { Any, PortalHostsOnly };

// The handles of a transfer that another thread may stop: the window that shows a download holds
// them, the transfer stores its connection and output file here as soon as it has them and
// clears them when it closes them.
class TransferHandles {
 public:
  TransferHandles() = default;
  TransferHandles(const TransferHandles&) = delete;
  TransferHandles& operator=(const TransferHandles&) = delete;
  ~TransferHandles();

  // From any thread, without waiting: the transfer under way ends promptly with false, closing
  // its connection and its file (a partial file stays on disk), and every later transfer through
  // these handles fails at once. A progress receiver may still be running when this returns, so
  // the owner joins the transferring thread before it goes away.
  void Cancel();
  bool IsCancelled() const { return cancelled_.load(); }
  // Whether a connection or an output file is held right now.
  bool HoldsAny() const;

 private:
  friend struct TransferAccess;
  mutable std::mutex mutex_;
  std::atomic<bool> cancelled_{false};
  CurlMultiPtr multi_;
  CurlEasyPtr easy_;
  FilePtr file_;
};

// Receives the percentage of a file transfer on the transferring thread, only when it changed.
using ProgressReceiver = std::function<void(int percent)>;

struct FileFetch {
  std::size_t chunk_size = 512;  // the body is written in pieces of this size
  UrlCheck url_check = UrlCheck::Any;
  ProgressReceiver progress;
  TransferHandles* handles = nullptr;  // lets another thread cancel the transfer
};

// Sends the request to an "http://" URL (scheme in any letter case) and reads only the answer's
// status line and headers; true when they arrived.
bool HttpPing(const std::string& url, TransferHandles* handles = nullptr);

// The body of a short answer, converted from the locale's character set to UTF-8 and cut at its
// first zero byte; nothing when the answer is refused (404, no Content-Length, 1024 bytes or more)
// or the request fails. A body that ends early gives what arrived.
std::optional<std::string> HttpGetText(const std::string& url, UrlCheck url_check);

// Writes the body into the file (created or truncated). True when the whole Content-Length
// arrived and was written. A body that ends early leaves the partial file and gives false; a
// refused answer (404, no Content-Length) gives false without touching the file.
bool HttpGetFile(const std::string& url, const std::string& path, const FileFetch& fetch);

// Whether the URL's host is one of the configured portal domains or lies below one.
bool IsAllowedUrl(const std::string& url);

}  // namespace ylcs
