#pragma once
// The login of a new tab: the portal's login page over its layered background.

#include <cstdint>

namespace ylcs {

class CKestrun3App;

// Tells the owner window that this login was given up (a close request marked as synthesised).
void PostCancelledLogin(std::uint32_t owner_window);

// Runs the login modally; IDOK once a game address was accepted, IDCANCEL otherwise.
int RunLoginDialog(CKestrun3App& app);

}  // namespace ylcs
