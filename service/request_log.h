#pragma once
// Every request the service receives, appended to a file as one JSON line each, so a test can
// read what the launcher sent: method, raw target, decoded path, raw query and headers.

#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace ylcs::service {

struct LoggedRequest {
  std::string method;
  std::string target;
  std::string path;
  std::multimap<std::string, std::string> headers;
};

// One JSON object on one line, without the line end.
std::string RequestJson(const LoggedRequest& request);

class RequestLog {
 public:
  // An empty file name keeps no log. False when the file cannot be opened.
  bool Open(const std::string& file);
  void Write(const LoggedRequest& request);

 private:
  struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::mutex mutex_;
  std::unique_ptr<std::FILE, FileCloser> file_;
};

}  // namespace ylcs::service
