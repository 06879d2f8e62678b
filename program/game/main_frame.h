#pragma once
// The game frame of a child process: one game page shown inside a main window of another process.

namespace ylcs {

class CKestrun3App;

// Creates the (hidden) frame with its view; false when it could not be created.
bool CreateGameFrame(CKestrun3App& app);

}  // namespace ylcs
