#pragma once
// The role a start of the program plays, chosen from its command line.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ylcs {

enum class LaunchMode : int {
  Install = 0,
  ChannelShortcut = 1,
  Shortcut = 2,
  Installed = 3,
  Uninstall = 4,
  Update = 5,
  NewTab = 6,
  GameHall = 7,
};

const char* LaunchModeName(LaunchMode mode);

// Switches, in the order they are compared with the first argument.
inline constexpr std::string_view kSwitchChannel = "/MiraD";
inline constexpr std::string_view kSwitchShortcut = "/YlcsKelvoD";
inline constexpr std::string_view kSwitchUninstall = "/uninst";
inline constexpr std::string_view kSwitchUpdate = "/update";
inline constexpr std::string_view kSwitchNewTab = "/newgm";
inline constexpr std::string_view kSwitchGameHall = "/gmhall";

// Buffers the two values of a child's command line were read through: a longer value reads as 0.
inline constexpr std::size_t kOwnerWindowBufferChars = 16;
inline constexpr std::size_t kTabsAtStartBufferChars = 8;

struct Classification {
  LaunchMode mode = LaunchMode::Install;
  std::uint32_t owner_window = 0;  // X11 window id of the main window (NewTab, GameHall)
  std::int32_t tabs_at_start = 0;  // tabs the main window had when it started us (NewTab)
};

// `args` is the whole argument vector, program name first. `program_path` and `install_folder`
// are canonical absolute paths; the program counts as installed when it lies inside the folder.
Classification ClassifyCommandLine(const std::vector<std::string>& args, std::string_view program_path,
                                   std::string_view install_folder);

// Reads "/<decimal>" through a buffer of `buffer_chars` characters: the first character is
// skipped, the rest read like `_wtoi`; a value that does not fit the buffer reads as 0.
std::int32_t ReadSlashValue(std::string_view arg, std::size_t buffer_chars);

// Whether `path` names something strictly inside `folder` (both canonical, compared exactly).
bool IsInsideFolder(std::string_view path, std::string_view folder);

}  // namespace ylcs
