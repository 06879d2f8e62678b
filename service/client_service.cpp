#include "client_service.h"

#include <httplib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "content_store.h"
#include "release.h"
#include "request_log.h"

namespace ylcs::service {

namespace {

// Files at most this large are read whole when they are text with "{{host}}" in them.
constexpr std::uint64_t kTemplateLimit = 1 << 20;
constexpr std::size_t kStreamBlock = std::size_t{64} * 1024;

constexpr const char* kReleasePath = "/download/ylcskelvo";
constexpr const char* kReleaseConfigPath = "/update/ConfigYlcsKelvo.htm";
constexpr const char* kNoticePath = "/notice/ylcskelvo.txt";

bool IsHostText(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == ':' || c == '-' || c == '_';
  });
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// Sends a file from disk in blocks, so a file of any size costs little memory.
void StreamFile(httplib::Response& res, const std::string& path, std::uint64_t size,
                const std::string& type) {
  auto in = std::make_shared<std::ifstream>(path, std::ios::binary);
  res.set_content_provider(static_cast<std::size_t>(size), type,
                           [in](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                             std::vector<char> block(std::min(length, kStreamBlock));
                             in->seekg(static_cast<std::streamoff>(offset));
                             in->read(block.data(), static_cast<std::streamsize>(block.size()));
                             const auto got = static_cast<std::size_t>(in->gcount());
                             if (got == 0) return false;
                             return sink.write(block.data(), got);
                           });
}

}  // namespace

struct ClientService::Impl {
  ServiceOptions options;
  std::string version;
  ContentStore content;
  RequestLog log;
  std::string release_key;
  httplib::Server server;
  int port = 0;

  Impl(ServiceOptions o, std::string v)
      : options(std::move(o)), version(std::move(v)), content(options.content_folder) {}

  // The host the client asked for, as pages and configurations name this service.
  std::string HostOf(const httplib::Request& req) const {
    const std::string host = req.get_header_value("Host");
    return IsHostText(host) ? host : "127.0.0.1:" + std::to_string(port);
  }

  void Record(const httplib::Request& req) {
    LoggedRequest logged{req.method, req.target, req.path, {}};
    for (const auto& [name, value] : req.headers) {
      // The server library adds the peer's addresses as headers of its own.
      if (name == "REMOTE_ADDR" || name == "REMOTE_PORT" || name == "LOCAL_ADDR" || name == "LOCAL_PORT")
        continue;
      logged.headers.emplace(name, value);
    }
    log.Write(logged);
  }

  bool IsMissing(const std::string& path) const {
    return std::find(options.missing.begin(), options.missing.end(), path) != options.missing.end();
  }

  void ServeItem(const httplib::Request& req, httplib::Response& res, const ContentItem& item,
                 const std::string& name) {
    const std::string type = ContentTypeFor(name);
    if (IsTemplateText(name) && item.size <= kTemplateLimit) {
      auto text = item.on_disk() ? ReadFileBytes(item.file_path) : std::optional<std::string>(item.data);
      if (!text) {
        res.status = 500;
        return;
      }
      res.set_content(ReplaceAll(std::move(*text), "{{host}}", HostOf(req)), type);
    } else if (item.on_disk()) {
      StreamFile(res, item.file_path, item.size, type);
    } else {
      res.set_content(item.data, type);
    }
  }

  void ServeContent(const httplib::Request& req, httplib::Response& res) {
    if (const auto item = content.Find(req.path)) {
      ServeItem(req, res, *item, req.path == "/" ? "/index.html" : req.path);
    } else {
      res.status = 404;
      res.set_content("not found", "text/plain");
    }
  }

  void InstallRoutes() {
    server.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
      Record(req);
      if (!IsMissing(req.path)) return httplib::Server::HandlerResponse::Unhandled;
      res.status = 404;
      res.set_content("not found", "text/plain");
      return httplib::Server::HandlerResponse::Handled;
    });
    // The usage reports: nothing is read back, the record is the point.
    for (const char* report : {"/install.htm", "/active.htm", "/uninstall.htm"}) {
      server.Get(report,
                 [](const httplib::Request&, httplib::Response& res) { res.set_content("ok", "text/html"); });
    }
    server.Get(kReleaseConfigPath, [this](const httplib::Request& req, httplib::Response& res) {
      if (const auto staged = content.Find(req.path)) return ServeItem(req, res, *staged, req.path);
      const std::string address =
          options.release_file.empty() ? std::string() : "http://" + HostOf(req) + kReleasePath;
      res.set_content(UpdateConfigText(release_key, address), "text/html; charset=utf-8");
    });
    server.Get(kReleasePath, [this](const httplib::Request& req, httplib::Response& res) {
      std::error_code error;
      const auto size = std::filesystem::file_size(options.release_file, error);
      if (options.release_file.empty() || error) return ServeContent(req, res);
      StreamFile(res, options.release_file, size, "application/octet-stream");
    });
    server.Get(kNoticePath, [this](const httplib::Request& req, httplib::Response& res) {
      if (options.notice_file.empty()) return ServeContent(req, res);
      ContentItem item;
      item.file_path = options.notice_file;
      std::error_code error;
      item.size = std::filesystem::file_size(options.notice_file, error);
      if (error) {
        res.status = 404;
        return;
      }
      ServeItem(req, res, item, kNoticePath);
    });
    server.Get(".*", [this](const httplib::Request& req, httplib::Response& res) { ServeContent(req, res); });
  }
};

ClientService::ClientService(ServiceOptions options, std::string version)
    : impl_(std::make_unique<Impl>(std::move(options), std::move(version))) {}

ClientService::~ClientService() = default;

bool ClientService::Prepare(std::string* error) {
  if (!impl_->log.Open(impl_->options.requests_log)) {
    *error = "cannot open the request log " + impl_->options.requests_log;
    return false;
  }
  if (!impl_->options.release_file.empty()) {
    const auto key = VersionKeyOfFile(impl_->options.release_file, impl_->version);
    if (!key) {
      *error = "cannot read the release " + impl_->options.release_file;
      return false;
    }
    impl_->release_key = *key;
  }
  if (impl_->options.release_key) impl_->release_key = *impl_->options.release_key;
  impl_->InstallRoutes();
  // A port another service holds is refused, never shared (the library's default would share it).
  impl_->server.set_socket_options([](socket_t sock) {
    int yes = 1;
    setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  });
  // Short keep-alive waits, so a stop does not wait long for idle browser connections.
  impl_->server.set_keep_alive_timeout(1);
  return true;
}

int ClientService::Bind(int port) {
  impl_->port = port == 0 ? impl_->server.bind_to_any_port("127.0.0.1")
                          : (impl_->server.bind_to_port("127.0.0.1", port) ? port : -1);
  return impl_->port;
}

bool ClientService::Serve() { return impl_->server.listen_after_bind(); }

void ClientService::Stop() { impl_->server.stop(); }

}  // namespace ylcs::service
