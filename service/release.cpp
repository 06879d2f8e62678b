#include "release.h"

#include <glib.h>

#include <fstream>
#include <vector>

namespace ylcs::service {

std::optional<std::string> VersionKeyOfFile(const std::string& path, const std::string& version) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  GChecksum* checksum = g_checksum_new(G_CHECKSUM_MD5);
  std::vector<char> block(65536);
  while (in) {
    in.read(block.data(), static_cast<std::streamsize>(block.size()));
    g_checksum_update(checksum, reinterpret_cast<const guchar*>(block.data()), in.gcount());
  }
  const bool read_whole = in.eof() && !in.bad();
  const std::string digest = g_checksum_get_string(checksum);
  g_checksum_free(checksum);
  if (!read_whole) return std::nullopt;

  std::string digits;
  for (const char c : version) {
    if (c >= '0' && c <= '9') digits += c;
  }
  return digest.substr(0, digest.size() - std::min(digits.size(), digest.size())) + digits;
}

std::string UpdateConfigText(const std::string& key, const std::string& address) {
  return "[VerKey]\r\nYlcsKelvo=" + key + "\r\nUpdAddr=" + address + "\r\n";
}

}  // namespace ylcs::service
