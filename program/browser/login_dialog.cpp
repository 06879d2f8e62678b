#include "program/browser/login_dialog.h"

#include "program/app/not_built.h"
#include "rules/ui/dialog_results.h"

namespace ylcs {

int RunLoginDialog(CKestrun3App&) {
  ReportNotBuilt("the login window");
  return IDCANCEL;
}

void PostCancelledLogin(std::uint32_t) { ReportNotBuilt("messages between windows"); }

}  // namespace ylcs
