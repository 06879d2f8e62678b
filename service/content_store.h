#pragma once
// The files the service publishes: those of a folder given on the command line first, then the
// pages, scripts, styles and pictures compiled into the program (service/content).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ylcs::service {

struct ContentItem {
  // Either a file on disk (streamed, however large) or data compiled in.
  std::string file_path;
  std::string data;
  std::uint64_t size = 0;
  bool on_disk() const { return !file_path.empty(); }
};

class ContentStore {
 public:
  explicit ContentStore(std::string folder) : folder_(std::move(folder)) {}

  // The item for a request path ("/" is "/index.html"); nothing for a path that is not published
  // or tries to leave the folder.
  std::optional<ContentItem> Find(std::string_view path) const;

 private:
  std::string folder_;
};

// Reads a whole file; nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// The media type the service announces for a file name.
std::string ContentTypeFor(std::string_view path);

// Whether the file is text in which "{{host}}" stands for the host the client asked for.
bool IsTemplateText(std::string_view path);

}  // namespace ylcs::service
