#include "service_options.h"

#include <charconv>

namespace ylcs::service {

const char* const kServiceUsage =
    "usage: ylcs_service [options]\n"
    "  --port N            listen on 127.0.0.1:N (0: any free port)\n"
    "  --content DIR       serve the files of DIR in place of the built-in ones\n"
    "  --requests-log FILE append every request to FILE, one JSON line each\n"
    "  --release FILE      publish FILE as the current release of the launcher\n"
    "  --release-key KEY   publish KEY as the release's version key\n"
    "  --notice FILE       publish FILE as the notice text\n"
    "  --missing PATH      answer PATH with 404 (may be repeated)\n";

namespace {

bool ParsePort(const std::string& text, int* port) {
  int value = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > 65535) return false;
  *port = value;
  return true;
}

}  // namespace

std::optional<ServiceOptions> ParseServiceOptions(const std::vector<std::string>& args, int default_port,
                                                  std::string* error) {
  ServiceOptions options;
  options.port = default_port;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (name == "--help" || name == "-h") {
      error->clear();
      return std::nullopt;
    }
    if (i + 1 >= args.size()) {
      *error = "missing value after " + name;
      return std::nullopt;
    }
    const std::string& value = args[++i];
    if (name == "--port") {
      if (!ParsePort(value, &options.port)) {
        *error = "not a port: " + value;
        return std::nullopt;
      }
    } else if (name == "--content") {
      options.content_folder = value;
    } else if (name == "--requests-log") {
      options.requests_log = value;
    } else if (name == "--release") {
      options.release_file = value;
    } else if (name == "--release-key") {
      options.release_key = value;
    } else if (name == "--notice") {
      options.notice_file = value;
    } else if (name == "--missing") {
      options.missing.push_back(value);
    } else {
      *error = "unknown option " + name;
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace ylcs::service
