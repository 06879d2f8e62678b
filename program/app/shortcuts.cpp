#include "program/app/shortcuts.h"

#include "program/app/not_built.h"

namespace ylcs {

void CreateShortcuts(const std::string&) { ReportNotBuilt("the shortcuts"); }

}  // namespace ylcs
