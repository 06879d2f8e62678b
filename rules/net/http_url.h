#pragma once
// The addresses the program fetches: "http://" + host, an optional ":" + port, "/" + path. They
// are read the way the requests have always read them: the first seven characters are taken for
// the scheme and skipped, the host runs to the first "/", and a ":" inside it starts the port.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ylcs {

struct HttpTarget {
  std::string host;
  std::uint16_t port = 80;
  std::string path;  // what follows the first "/" after the host; the request asks for "/" + path
  friend bool operator==(const HttpTarget&, const HttpTarget&) = default;
};

// The host part (before the port) and the path were held in buffers of these sizes.
inline constexpr std::size_t kHostBufferChars = 260;
inline constexpr std::size_t kPathBufferChars = 512;

// Whether the text begins with "http://", in any letter case.
bool HasHttpScheme(std::string_view url);

// Skips seven characters and splits the rest. No "/" after the host means the root. The port is
// the text after the ":" read like `_wtoi` and cut to 16 bits; port 0 (none readable) is the
// default port 80. Nothing for a URL that cannot be requested: an empty host, a host with
// characters no host name has, or a host or path longer than its buffer.
std::optional<HttpTarget> SplitHttpUrl(std::string_view url);

// "/" + path as it goes on the request line: bytes that may not stand there (controls, blank,
// anything outside ASCII) are percent-escaped, so no text from a URL can end the line early.
std::string RequestTarget(std::string_view path);

// Whether an http URL leads to a portal host: its host equals one of the domains or ends with
// "." + domain, letter case ignored. A domain that appears only in the path or query does not
// count, since these URLs come from the server and name programs that are downloaded and started.
bool IsUrlOnDomains(std::string_view url, const std::vector<std::string>& domains);

}  // namespace ylcs
