#pragma once
// Desktop and start-menu shortcuts of the installed program.

#include <string>

namespace ylcs {

// Creates the desktop shortcut and the two start-menu shortcuts for `target`.
void CreateShortcuts(const std::string& target);

}  // namespace ylcs
