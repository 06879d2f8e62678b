#include "platform/http.h"

#include <glib.h>

#include <cstdint>
#include <string_view>
#include <utility>

#include "platform/server_config.h"
#include "rules/base/text_buffer.h"
#include "rules/net/http_recipe.h"
#include "rules/net/http_url.h"

namespace ylcs {

// The transfer's side of TransferHandles: it stores and clears what it opens.
struct TransferAccess {
  static void HoldConnection(TransferHandles& h, CurlMultiPtr multi, CurlEasyPtr easy) {
    std::lock_guard lock(h.mutex_);
    h.multi_ = std::move(multi);
    h.easy_ = std::move(easy);
  }
  // Removes the request from its connection and closes both, the request first.
  static void CloseConnection(TransferHandles& h) {
    std::lock_guard lock(h.mutex_);
    if (h.multi_ && h.easy_) curl_multi_remove_handle(h.multi_.get(), h.easy_.get());
    h.easy_.reset();
    h.multi_.reset();
  }
  static std::FILE* HoldFile(TransferHandles& h, FilePtr file) {
    std::lock_guard lock(h.mutex_);
    h.file_ = std::move(file);
    return h.file_.get();
  }
  // Closes the file; false when its last writes could not be completed.
  static bool CloseFile(TransferHandles& h) {
    std::FILE* file = nullptr;
    {
      std::lock_guard lock(h.mutex_);
      file = h.file_.release();
    }
    return file == nullptr || std::fclose(file) == 0;
  }
  // Wakes the transfer's wait for the network so it sees a cancel at once.
  static void Wake(TransferHandles& h) {
    std::lock_guard lock(h.mutex_);
    if (h.multi_) curl_multi_wakeup(h.multi_.get());
  }
};

TransferHandles::~TransferHandles() {
  TransferAccess::CloseFile(*this);
  TransferAccess::CloseConnection(*this);
}

void TransferHandles::Cancel() {
  cancelled_.store(true);
  TransferAccess::Wake(*this);
}

bool TransferHandles::HoldsAny() const {
  std::lock_guard lock(mutex_);
  return multi_ || easy_ || file_;
}

namespace {

// Limits the platform's HTTP stack applies by itself: a peer that takes longer to accept the
// connection, or stays silent longer in the middle of an answer, fails the transfer.
constexpr long kConnectTimeoutSeconds = 60;
constexpr long kSilenceLimitSeconds = 60;
// Bytes taken from the socket at a time (the body is still written chunk by chunk).
constexpr long kReceiveBufferBytes = 128L * 1024;
constexpr std::size_t kFileBufferBytes = std::size_t{256} * 1024;
// How long one wait for the network lasts before the loop looks again (a cancel wakes it).
constexpr int kPollMilliseconds = 1000;

void InitCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// What one request does with its answer; the curl callbacks work on it.
struct Exchange {
  TransferHandles* handles = nullptr;
  CURL* easy = nullptr;
  // The ping reads the status line and headers and nothing more.
  bool stop_after_headers = false;
  // Decides on the status and the Content-Length (-1 when there is none); false refuses.
  std::function<bool(long status, curl_off_t length)> on_headers;
  // Takes a piece of the body; false stops the transfer.
  std::function<bool(std::string_view data)> on_body;

  bool headers_arrived = false;
  bool accepted = false;
};

std::size_t OnHeaderLine(char* data, std::size_t size, std::size_t count, void* user) {
  auto* exchange = static_cast<Exchange*>(user);
  const std::size_t bytes = size * count;
  const std::string_view line(data, bytes);
  // Only the blank line that ends a block of headers matters, and only the first final block
  // (the trailers of a chunked body end with one too).
  if ((line != "\r\n" && line != "\n") || exchange->headers_arrived) return bytes;

  long status = 0;
  curl_easy_getinfo(exchange->easy, CURLINFO_RESPONSE_CODE, &status);
  if (status >= 100 && status < 200) return bytes;  // an interim answer: the real one follows
  exchange->headers_arrived = true;
  if (exchange->stop_after_headers) return 0;
  curl_off_t length = -1;
  curl_easy_getinfo(exchange->easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
  if (!exchange->on_headers || !exchange->on_headers(status, length)) return 0;
  exchange->accepted = true;
  return bytes;
}

std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* user) {
  auto* exchange = static_cast<Exchange*>(user);
  const std::size_t bytes = size * count;
  if (!exchange->accepted || exchange->handles->IsCancelled()) return 0;
  if (exchange->on_body && !exchange->on_body(std::string_view(data, bytes))) return 0;
  return bytes;
}

CurlSlistPtr RequestHeaders() {
  // An empty "Accept:" removes the header curl would add by itself.
  curl_slist* list = curl_slist_append(nullptr, "Accept:");
  for (const std::string& line : ExtraHeaderLines()) {
    if (!list) break;
    curl_slist* longer = curl_slist_append(list, line.c_str());
    if (!longer) curl_slist_free_all(list);
    list = longer;
  }
  return CurlSlistPtr(list);
}

// Sends the request and runs the transfer to its end, a refusal of the exchange or a cancel.
CURLcode Perform(const HttpTarget& target, Exchange& exchange) {
  TransferHandles& handles = *exchange.handles;
  if (handles.IsCancelled()) return CURLE_ABORTED_BY_CALLBACK;
  InitCurlOnce();
  CurlEasyPtr easy(curl_easy_init());
  CurlMultiPtr multi(curl_multi_init());
  const CurlSlistPtr headers = RequestHeaders();
  if (!easy || !multi || !headers) return CURLE_FAILED_INIT;

  const std::string base = "http://" + target.host + ":" + std::to_string(target.port) + "/";
  const std::string user_agent(kHttpUserAgent);
  const std::string request_target = RequestTarget(target.path);
  CURL* e = easy.get();
  exchange.easy = e;
  curl_easy_setopt(e, CURLOPT_URL, base.c_str());
  curl_easy_setopt(e, CURLOPT_REQUEST_TARGET, request_target.c_str());
  curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http");
  curl_easy_setopt(e, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  curl_easy_setopt(e, CURLOPT_HTTPGET, 1L);
  curl_easy_setopt(e, CURLOPT_USERAGENT, user_agent.c_str());
  curl_easy_setopt(e, CURLOPT_HTTPHEADER, headers.get());
  curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
  curl_easy_setopt(e, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(e, CURLOPT_LOW_SPEED_TIME, kSilenceLimitSeconds);
  curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, &OnHeaderLine);
  curl_easy_setopt(e, CURLOPT_HEADERDATA, &exchange);
  curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &OnBody);
  curl_easy_setopt(e, CURLOPT_WRITEDATA, &exchange);
  curl_easy_setopt(e, CURLOPT_BUFFERSIZE, kReceiveBufferBytes);
  if (curl_multi_add_handle(multi.get(), e) != CURLM_OK) return CURLE_FAILED_INIT;
  CURLM* m = multi.get();
  TransferAccess::HoldConnection(handles, std::move(multi), std::move(easy));

  CURLcode result = CURLE_ABORTED_BY_CALLBACK;
  int running = 1;
  while (running > 0 && !handles.IsCancelled()) {
    if (curl_multi_perform(m, &running) != CURLM_OK) {
      result = CURLE_FAILED_INIT;
      break;
    }
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(m, &queued)) {
      if (message->msg == CURLMSG_DONE) result = message->data.result;
    }
    if (running > 0 && !handles.IsCancelled()) curl_multi_poll(m, nullptr, 0, kPollMilliseconds, nullptr);
  }
  TransferAccess::CloseConnection(handles);
  return handles.IsCancelled() ? CURLE_ABORTED_BY_CALLBACK : result;
}

std::optional<HttpTarget> CheckedTarget(const std::string& url, UrlCheck url_check) {
  if (url_check == UrlCheck::PortalHostsOnly && !IsAllowedUrl(url)) return std::nullopt;
  return SplitHttpUrl(url);
}

// Network text is in the locale's character set; the program works in UTF-8.
std::string TextFromBody(std::string_view body) {
  body = body.substr(0, body.find('\0'));
  std::string text;
  gsize written = 0;
  if (gchar* converted =
          g_locale_to_utf8(body.data(), static_cast<gssize>(body.size()), nullptr, &written, nullptr)) {
    text.assign(converted, written);
    g_free(converted);
  } else {
    gchar* valid = g_utf8_make_valid(body.data(), static_cast<gssize>(body.size()));
    text = valid;
    g_free(valid);
  }
  return TruncateToBuffer(text, kTextBufferChars);
}

}  // namespace

bool HttpPing(const std::string& url, TransferHandles* handles) {
  if (!HasHttpScheme(url)) return false;
  const auto target = SplitHttpUrl(url);
  if (!target) return false;
  TransferHandles own;
  Exchange exchange;
  exchange.handles = handles ? handles : &own;
  exchange.stop_after_headers = true;
  Perform(*target, exchange);
  return exchange.headers_arrived && !exchange.handles->IsCancelled();
}

std::optional<std::string> HttpGetText(const std::string& url, UrlCheck url_check) {
  const auto target = CheckedTarget(url, url_check);
  if (!target) return std::nullopt;
  TransferHandles handles;
  std::string body;
  Exchange exchange;
  exchange.handles = &handles;
  exchange.on_headers = [](long status, curl_off_t length) {
    return IsStatusAccepted(status) && length >= 0 && static_cast<std::uint64_t>(length) < kTextBodyLimit;
  };
  exchange.on_body = [&body](std::string_view data) {
    body.append(data);
    return body.size() < kTextBodyLimit;
  };
  const CURLcode result = Perform(*target, exchange);
  // A body that ends before its Content-Length still counts as read: what arrived is the text.
  if (!exchange.accepted || (result != CURLE_OK && result != CURLE_PARTIAL_FILE)) return std::nullopt;
  return TextFromBody(body);
}

bool HttpGetFile(const std::string& url, const std::string& path, const FileFetch& fetch) {
  const auto target = CheckedTarget(url, fetch.url_check);
  if (!target) return false;
  TransferHandles own;
  TransferHandles& handles = fetch.handles ? *fetch.handles : own;

  std::uint64_t length = 0;
  std::uint64_t total = 0;
  std::FILE* file = nullptr;
  bool written = true;
  std::optional<PercentChanges> percent;
  const auto report = [&] {
    if (!percent || !fetch.progress || handles.IsCancelled()) return;
    if (const auto changed = percent->After(total)) fetch.progress(*changed);
  };
  ChunkCutter chunks(fetch.chunk_size, [&](std::string_view chunk) {
    // A chunk the disk does not take ends the transfer: the file could never be complete.
    written = std::fwrite(chunk.data(), 1, chunk.size(), file) == chunk.size();
    if (!written) return false;
    total += chunk.size();
    report();
    return true;
  });

  Exchange exchange;
  exchange.handles = &handles;
  exchange.on_headers = [&](long status, curl_off_t content_length) {
    if (!IsStatusAccepted(status) || content_length < 0) return false;
    length = static_cast<std::uint64_t>(content_length);
    percent.emplace(length);
    file = TransferAccess::HoldFile(handles, FilePtr(std::fopen(path.c_str(), "wb")));
    // Small chunks, few system calls: the stream gathers them.
    if (file) std::setvbuf(file, nullptr, _IOFBF, kFileBufferBytes);
    return file != nullptr;
  };
  exchange.on_body = [&](std::string_view data) { return chunks.Add(data); };
  Perform(*target, exchange);
  if (!exchange.accepted) {
    TransferAccess::CloseFile(handles);
    return false;
  }
  if (written && chunks.Finish()) report();
  const bool closed = TransferAccess::CloseFile(handles);
  return written && closed && !handles.IsCancelled() && total >= length;
}

bool IsAllowedUrl(const std::string& url) { return IsUrlOnDomains(url, GetServerConfig().portal_domains); }

}  // namespace ylcs
