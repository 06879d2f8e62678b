#include "rules/app/launch_mode.h"

#include <array>
#include <utility>

#include "rules/base/crt_numbers.h"
#include "rules/base/text_buffer.h"

namespace ylcs {

namespace {

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

constexpr std::array<std::pair<std::string_view, LaunchMode>, 6> kSwitches{{
    {kSwitchChannel, LaunchMode::ChannelShortcut},
    {kSwitchShortcut, LaunchMode::Shortcut},
    {kSwitchUninstall, LaunchMode::Uninstall},
    {kSwitchUpdate, LaunchMode::Update},
    {kSwitchNewTab, LaunchMode::NewTab},
    {kSwitchGameHall, LaunchMode::GameHall},
}};

std::string_view ArgOrEmpty(const std::vector<std::string>& args, std::size_t index) {
  return index < args.size() ? std::string_view(args[index]) : std::string_view();
}

}  // namespace

const char* LaunchModeName(LaunchMode mode) {
  switch (mode) {
    case LaunchMode::Install: return "Install";
    case LaunchMode::ChannelShortcut: return "ChannelShortcut";
    case LaunchMode::Shortcut: return "Shortcut";
    case LaunchMode::Installed: return "Installed";
    case LaunchMode::Uninstall: return "Uninstall";
    case LaunchMode::Update: return "Update";
    case LaunchMode::NewTab: return "NewTab";
    case LaunchMode::GameHall: return "GameHall";
  }
  return "?";
}

std::int32_t ReadSlashValue(std::string_view arg, std::size_t buffer_chars) {
  if (arg.empty() || !FitsInBuffer(arg, buffer_chars)) return 0;
  return ParseIntLikeWtoi(arg.substr(1));
}

bool IsInsideFolder(std::string_view path, std::string_view folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.remove_suffix(1);
  if (folder.empty()) return false;
  if (folder == "/") return path.size() > 1 && path.front() == '/';
  return path.size() > folder.size() + 1 && path.substr(0, folder.size()) == folder &&
         path[folder.size()] == '/';
}

Classification ClassifyCommandLine(const std::vector<std::string>& args, std::string_view program_path,
                                   std::string_view install_folder) {
  Classification result;
  if (args.size() > 1) {
    for (const auto& [name, mode] : kSwitches) {
      if (!EqualsIgnoringAsciiCase(args[1], name)) continue;
      result.mode = mode;
      if (mode == LaunchMode::NewTab || mode == LaunchMode::GameHall) {
        // A window id is an unsigned 32-bit handle; the text was read as a signed integer.
        result.owner_window =
            static_cast<std::uint32_t>(ReadSlashValue(ArgOrEmpty(args, 2), kOwnerWindowBufferChars));
      }
      if (mode == LaunchMode::NewTab) {
        result.tabs_at_start = ReadSlashValue(ArgOrEmpty(args, 3), kTabsAtStartBufferChars);
      }
      return result;
    }
  }
  result.mode = IsInsideFolder(program_path, install_folder) ? LaunchMode::Installed : LaunchMode::Install;
  return result;
}

}  // namespace ylcs
