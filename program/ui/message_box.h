#pragma once
// The one way a message reaches the player: a skinned message box.

#include <cstdint>
#include <string>

#include "rules/ui/dialog_results.h"

namespace ylcs {

// Shows `text` under `title` with type MB_OK, MB_OKCANCEL or MB_YESNO and returns the answer
// (IDOK, IDCANCEL, IDYES or IDNO). `owner` is the X11 window to centre on, 0 for none.
int ShowMessageBox(std::uint32_t owner, const std::string& text, const std::string& title, int type);

}  // namespace ylcs
