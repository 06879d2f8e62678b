#include "program/mainwnd/main_window.h"

#include "program/app/not_built.h"

namespace ylcs {

void RunMainWindow(CKestrun3App&) { ReportNotBuilt("the main window"); }

}  // namespace ylcs
