#include "request_log.h"

#include <cstdint>

namespace ylcs::service {

namespace {

std::string JsonString(const std::string& text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace

std::string RequestJson(const LoggedRequest& request) {
  const std::size_t mark = request.target.find('?');
  const std::string query = mark == std::string::npos ? std::string() : request.target.substr(mark + 1);
  std::string json = "{\"method\":" + JsonString(request.method) +
                     ",\"target\":" + JsonString(request.target) + ",\"path\":" + JsonString(request.path) +
                     ",\"query\":" + JsonString(query) + ",\"headers\":{";
  bool first = true;
  for (const auto& [name, value] : request.headers) {
    if (!first) json += ',';
    first = false;
    json += JsonString(name) + ":" + JsonString(value);
  }
  return json + "}}";
}

bool RequestLog::Open(const std::string& file) {
  if (file.empty()) return true;
  file_.reset(std::fopen(file.c_str(), "a"));
  return file_ != nullptr;
}

void RequestLog::Write(const LoggedRequest& request) {
  if (!file_) return;
  const std::string line = RequestJson(request) + "\n";
  std::lock_guard lock(mutex_);
  std::fwrite(line.data(), 1, line.size(), file_.get());
  std::fflush(file_.get());
}

}  // namespace ylcs::service
