#pragma once
// The folders the program works in, from the XDG base directories (so a test isolates itself by
// pointing HOME and XDG_* at a temporary folder).

#include <string>

namespace ylcs {

// $XDG_DATA_HOME (default ~/.local/share): the all-users application data of a Linux desktop.
std::string DataHomeFolder();
// $XDG_CONFIG_HOME (default ~/.config).
std::string ConfigHomeFolder();
// $XDG_CACHE_HOME (default ~/.cache).
std::string CacheHomeFolder();
// $TMPDIR, else /tmp.
std::string TempFolder();
// The user's desktop: XDG_DESKTOP_DIR from the environment or user-dirs.dirs, else ~/Desktop.
std::string DesktopFolder();

// DataHome/Kelvo/ViviVador: where the program installs itself.
std::string InstallFolder();
// The running executable's canonical path and its folder (with a trailing "/").
std::string ProgramPath();
std::string ProgramFolder();

// Canonical form of an existing path; the path itself when it cannot be resolved.
std::string CanonicalPath(const std::string& path);
// Creates the folder and its parents; true when it exists afterwards.
bool MakeFolders(const std::string& path);

}  // namespace ylcs
