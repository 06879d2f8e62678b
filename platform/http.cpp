#include "platform/http.h"

#include <cstdio>

namespace ylcs {

bool HttpPing(const std::string& url) {
  std::fprintf(stderr, "ylcskelvo: HTTP requests are not built yet (%s)\n", url.c_str());
  return false;
}

}  // namespace ylcs
