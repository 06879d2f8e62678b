#pragma once
// The crash report: on the first fatal signal of the process a report (signal, backtrace, memory
// map) is written beside the program under its name with the extension ".dmp", then the system's
// own handling of the signal follows. Later crashes of the same process write nothing.

#include <string>

namespace ylcs {

// Installs the handler for the whole process; `report_path` is where the report goes.
void InstallCrashHandler(const std::string& report_path);

}  // namespace ylcs
