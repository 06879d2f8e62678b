#include "content_store.h"

#include <gio/gio.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace ylcs::service {

namespace {

constexpr std::string_view kResourcePrefix = "/org/kelvo/ylcskelvo/service/content";

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// A request path made of plain names: no "." or ".." step, no empty step, no backslash or zero.
bool IsPlainPath(std::string_view path) {
  if (path.empty() || path.front() != '/') return false;
  std::size_t start = 1;
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find('/', start), path.size());
    const std::string_view step = path.substr(start, end - start);
    if (step.empty() || step == "." || step == "..") return false;
    if (step.find('\\') != std::string_view::npos || step.find('\0') != std::string_view::npos) return false;
    start = end + 1;
  }
  return true;
}

std::optional<ContentItem> FromFolder(const std::string& folder, std::string_view path) {
  if (folder.empty()) return std::nullopt;
  const std::filesystem::path file = std::filesystem::path(folder) / std::string(path.substr(1));
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  const auto size = std::filesystem::file_size(file, error);
  if (error) return std::nullopt;
  ContentItem item;
  item.file_path = file.string();
  item.size = size;
  return item;
}

std::optional<ContentItem> FromResources(std::string_view path) {
  const std::string name = std::string(kResourcePrefix) + std::string(path);
  GBytes* bytes = g_resources_lookup_data(name.c_str(), G_RESOURCE_LOOKUP_FLAGS_NONE, nullptr);
  if (!bytes) return std::nullopt;
  gsize size = 0;
  const auto* data = static_cast<const char*>(g_bytes_get_data(bytes, &size));
  ContentItem item;
  item.data.assign(data, size);
  item.size = size;
  g_bytes_unref(bytes);
  return item;
}

}  // namespace

std::optional<ContentItem> ContentStore::Find(std::string_view path) const {
  const std::string_view name = path == "/" ? std::string_view("/index.html") : path;
  if (!IsPlainPath(name)) return std::nullopt;
  if (auto item = FromFolder(folder_, name)) return item;
  return FromResources(name);
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::string ContentTypeFor(std::string_view path) {
  if (EndsWith(path, ".html") || EndsWith(path, ".htm")) return "text/html; charset=utf-8";
  if (EndsWith(path, ".txt")) return "text/plain; charset=utf-8";
  if (EndsWith(path, ".css")) return "text/css; charset=utf-8";
  if (EndsWith(path, ".js")) return "text/javascript; charset=utf-8";
  if (EndsWith(path, ".png")) return "image/png";
  if (EndsWith(path, ".jpg")) return "image/jpeg";
  if (EndsWith(path, ".svg")) return "image/svg+xml";
  if (EndsWith(path, ".ico")) return "image/x-icon";
  return "application/octet-stream";
}

bool IsTemplateText(std::string_view path) {
  return EndsWith(path, ".html") || EndsWith(path, ".htm") || EndsWith(path, ".txt");
}

}  // namespace ylcs::service
