#include "program/net/update.h"

#include "program/app/not_built.h"

namespace ylcs {

bool CheckForUpdate(CKestrun3App&, bool) {
  ReportNotBuilt("the update check");
  return false;
}

bool ReplaceExecutable(CKestrun3App&) {
  ReportNotBuilt("the update download");
  return false;
}

}  // namespace ylcs
