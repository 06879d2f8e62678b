#pragma once
// Where the server side lives: the build's defaults, each overridable from the environment so a
// test can point the program at a server of its own.
//   YLCS_SERVICE_HOST   client service, host[:port]
//   YLCS_LOGIN_HOST     portal login page, host[:port]
//   YLCS_GAMEHALL_URL   game-hall site address
//   YLCS_PORTAL_DOMAINS the three portal domains of the download allow-list, comma-separated

#include <string>
#include <vector>

namespace ylcs {

struct ServerConfig {
  std::string service_host;
  std::string login_host;
  std::string gamehall_url;
  std::vector<std::string> portal_domains;

  // "http://" + service host + path.
  std::string ServiceUrl(const std::string& path) const { return "http://" + service_host + path; }
  std::string LoginPageUrl() const { return "http://" + login_host + "/client_login.html"; }
};

// Read once per process from the environment and the build defaults.
const ServerConfig& GetServerConfig();
ServerConfig ReadServerConfig();

}  // namespace ylcs
