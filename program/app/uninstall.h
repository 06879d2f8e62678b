#pragma once
// Removing the installation and the program file itself.

#include <memory>

#include "program/app/usage_report_sender.h"

namespace ylcs {

// Removes shortcuts, settings and registry key, sends the uninstall report and arranges the
// deletion of the program file once this process has ended.
void RunUninstall(const std::shared_ptr<ReportEvents>& events);

}  // namespace ylcs
