#include "platform/server_config.h"

#include <cstdlib>
#include <sstream>

#include "platform/server_defaults.h"

namespace ylcs {

namespace {

std::string FromEnvironment(const char* variable, const char* fallback) {
  const char* value = std::getenv(variable);
  return (value && *value) ? value : fallback;
}

std::vector<std::string> SplitDomains(const std::string& text) {
  std::vector<std::string> domains;
  std::stringstream stream(text);
  std::string item;
  while (std::getline(stream, item, ',')) {
    if (!item.empty()) domains.push_back(item);
  }
  return domains;
}

}  // namespace

ServerConfig ReadServerConfig() {
  ServerConfig config;
  config.service_host = FromEnvironment("YLCS_SERVICE_HOST", YLCS_DEFAULT_SERVICE_HOST);
  config.login_host = FromEnvironment("YLCS_LOGIN_HOST", YLCS_DEFAULT_LOGIN_HOST);
  config.gamehall_url = FromEnvironment("YLCS_GAMEHALL_URL", YLCS_DEFAULT_GAMEHALL_URL);
  config.portal_domains = SplitDomains(FromEnvironment("YLCS_PORTAL_DOMAINS", YLCS_DEFAULT_PORTAL_DOMAINS));
  return config;
}

const ServerConfig& GetServerConfig() {
  static const ServerConfig config = ReadServerConfig();
  return config;
}

}  // namespace ylcs
