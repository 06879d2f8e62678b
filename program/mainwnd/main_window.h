#pragma once
// The main window that holds the game tabs.

namespace ylcs {

class CKestrun3App;

// Runs the main window modally until it ends.
void RunMainWindow(CKestrun3App& app);

}  // namespace ylcs
