#include "program/app/uninstall.h"

#include "program/app/not_built.h"

namespace ylcs {

void RunUninstall(const std::shared_ptr<ReportEvents>& events) {
  ReportNotBuilt("uninstall");
  events->SetFinished();
}

}  // namespace ylcs
