#include "program/ui/message_box.h"

#include "program/app/not_built.h"

namespace ylcs {

int ShowMessageBox(std::uint32_t, const std::string&, const std::string&, int type) {
  ReportNotBuilt("the message box");
  return type == MB_YESNO ? IDNO : IDCANCEL;
}

}  // namespace ylcs
