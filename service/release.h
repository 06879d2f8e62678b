#pragma once
// The update configuration the service publishes for the launcher and its games: an INI file
// with the section "VerKey", the release's version key under "YlcsKelvo" and the address of the
// executable or installer under "UpdAddr".

#include <optional>
#include <string>

namespace ylcs::service {

// The launcher's version key of a file: the first 28 hex digits of its MD5 digest followed by
// the digits of the version ("3.0.0.1" -> "3001"). Nothing when the file cannot be read.
std::optional<std::string> VersionKeyOfFile(const std::string& path, const std::string& version);

std::string UpdateConfigText(const std::string& key, const std::string& address);

}  // namespace ylcs::service
