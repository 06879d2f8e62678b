#pragma once
// A role whose window or service this build does not have yet says so in one line on stderr
// and does nothing else.

#include <cstdio>

namespace ylcs {

inline void ReportNotBuilt(const char* what) {
  std::fprintf(stderr, "ylcskelvo: %s is not built yet\n", what);
}

}  // namespace ylcs
