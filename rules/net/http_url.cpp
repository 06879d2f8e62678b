#include "rules/net/http_url.h"

#include "rules/base/crt_numbers.h"
#include "rules/base/text_buffer.h"

namespace ylcs {

namespace {

constexpr std::string_view kScheme = "http://";

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

bool IsHostNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
         c == '_';
}

std::uint16_t PortFromText(std::string_view text) {
  // Cut to 16 bits the way a 32-bit int is stored into a 16-bit port field.
  const auto port = static_cast<std::uint16_t>(static_cast<std::uint32_t>(ParseIntLikeWtoi(text)) & 0xFFFFu);
  // Port 0 asks the HTTP stack for its default port.
  return port == 0 ? std::uint16_t{80} : port;
}

}  // namespace

bool HasHttpScheme(std::string_view url) {
  return url.size() >= kScheme.size() && EqualsIgnoringCase(url.substr(0, kScheme.size()), kScheme);
}

std::optional<HttpTarget> SplitHttpUrl(std::string_view url) {
  if (url.size() < kScheme.size()) return std::nullopt;
  const std::string_view rest = url.substr(kScheme.size());
  const std::size_t slash = rest.find('/');
  const std::string_view host_part = rest.substr(0, slash);
  const std::string_view path = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash + 1);
  if (!FitsInBuffer(host_part, kHostBufferChars) || !FitsInBuffer(path, kPathBufferChars))
    return std::nullopt;

  HttpTarget target;
  const std::size_t colon = host_part.find(':');
  target.host = std::string(host_part.substr(0, colon));
  if (colon != std::string_view::npos) target.port = PortFromText(host_part.substr(colon + 1));
  target.path = std::string(path);
  if (target.host.empty()) return std::nullopt;
  for (const char c : target.host) {
    if (!IsHostNameChar(c)) return std::nullopt;
  }
  return target;
}

std::string RequestTarget(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string target = "/";
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= 0x20 || byte >= 0x7F) {
      target += '%';
      target += kHex[byte >> 4];
      target += kHex[byte & 0x0F];
    } else {
      target += c;
    }
  }
  return target;
}

bool IsUrlOnDomains(std::string_view url, const std::vector<std::string>& domains) {
  if (!HasHttpScheme(url)) return false;
  const auto target = SplitHttpUrl(url);
  if (!target) return false;
  const std::string_view host = target->host;
  for (const std::string& domain : domains) {
    if (domain.empty()) continue;
    if (EqualsIgnoringCase(host, domain)) return true;
    if (host.size() > domain.size() + 1 && host[host.size() - domain.size() - 1] == '.' &&
        EqualsIgnoringCase(host.substr(host.size() - domain.size()), domain)) {
      return true;
    }
  }
  return false;
}

}  // namespace ylcs
