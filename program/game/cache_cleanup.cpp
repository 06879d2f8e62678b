#include "program/game/cache_cleanup.h"

#include "program/app/not_built.h"

namespace ylcs {

bool SetCacheLimit() {
  ReportNotBuilt("the cache limit");
  return false;
}

}  // namespace ylcs
