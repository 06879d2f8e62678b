#pragma once
// The command line of the stand-in client service.

#include <optional>
#include <string>
#include <vector>

namespace ylcs::service {

struct ServiceOptions {
  int port = 0;                            // 0: a free port
  std::string content_folder;              // files here are served in place of the built-in ones
  std::string requests_log;                // every request as one JSON line
  std::string release_file;                // the current release of the launcher
  std::optional<std::string> release_key;  // published instead of the release file's own key
  std::string notice_file;                 // served as the notice text
  std::vector<std::string> missing;        // paths answered with 404
};

// The options, or nothing with `error` set (an empty error asks for the usage text).
std::optional<ServiceOptions> ParseServiceOptions(const std::vector<std::string>& args, int default_port,
                                                  std::string* error);

extern const char* const kServiceUsage;

}  // namespace ylcs::service
