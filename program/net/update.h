#pragma once
// The update check and the replacement of the executable.

namespace ylcs {

class CKestrun3App;

// Fetches the update configuration and tells whether another version is offered. The daily form
// (forced = false) asks nothing outside the roles and days it is due for.
bool CheckForUpdate(CKestrun3App& app, bool forced);
// Downloads the offered executable and swaps it in; true when the program file was replaced.
bool ReplaceExecutable(CKestrun3App& app);

}  // namespace ylcs
