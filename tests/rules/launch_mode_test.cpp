#include <gtest/gtest.h>

#include "rules/app/launch_mode.h"

namespace ylcs {
namespace {

constexpr const char* kInstallFolder = "/home/p/.local/share/Kelvo/ViviVador";
constexpr const char* kInstalledProgram = "/home/p/.local/share/Kelvo/ViviVador/ylcskelvo";
constexpr const char* kDownloadedProgram = "/home/p/Downloads/ylcskelvo";

struct Case {
  std::vector<std::string> args;
  const char* program;
  LaunchMode mode;
  std::uint32_t owner = 0;
  std::int32_t tabs = 0;
};

TEST(LaunchMode, ClassifiesCommandLines) {
  const Case cases[] = {
      {{"p"}, kDownloadedProgram, LaunchMode::Install},
      {{"p"}, kInstalledProgram, LaunchMode::Installed},
      {{"p", "/MiraD"}, kDownloadedProgram, LaunchMode::ChannelShortcut},
      {{"p", "/ylcskelvod"}, kInstalledProgram, LaunchMode::Shortcut},
      {{"p", "/uninst"}, kInstalledProgram, LaunchMode::Uninstall},
      {{"p", "/UNINST"}, kInstalledProgram, LaunchMode::Uninstall},
      {{"p", "/Uninst"}, kInstalledProgram, LaunchMode::Uninstall},
      // Compared whole: a longer word is no switch and the location decides.
      {{"p", "/uninstall"}, kInstalledProgram, LaunchMode::Installed},
      {{"p", "/uninstall"}, kDownloadedProgram, LaunchMode::Install},
      {{"p", "/update"}, kInstalledProgram, LaunchMode::Update},
      // A switch in second position is ignored.
      {{"p", "x", "/uninst"}, kInstalledProgram, LaunchMode::Installed},
      {{"p", "/newgm", "/4194305", "/2"}, kInstalledProgram, LaunchMode::NewTab, 4194305, 2},
      {{"p", "/NEWGM", "/12"}, kInstalledProgram, LaunchMode::NewTab, 12, 0},
      {{"p", "/newgm"}, kInstalledProgram, LaunchMode::NewTab, 0, 0},
      {{"p", "/gmhall", "/77", "/3"}, kInstalledProgram, LaunchMode::GameHall, 77, 0},
      {{"p", "/gmhall", "/0"}, kInstalledProgram, LaunchMode::GameHall, 0, 0},
      // 15 characters fill the owner buffer and 7 the tab buffer; one more reads as 0.
      {{"p", "/newgm", "/12345678901234", "/123456"},
       kInstalledProgram,
       LaunchMode::NewTab,
       static_cast<std::uint32_t>(2147483647),
       123456},
      {{"p", "/newgm", "/123456789012345", "/12345678"}, kInstalledProgram, LaunchMode::NewTab, 0, 0},
      // Read like _wtoi: leading digits only.
      {{"p", "/newgm", "/42abc", "/x"}, kInstalledProgram, LaunchMode::NewTab, 42, 0},
  };
  for (const auto& c : cases) {
    const Classification result = ClassifyCommandLine(c.args, c.program, kInstallFolder);
    std::string line;
    for (const auto& a : c.args) line += a + " ";
    EXPECT_EQ(result.mode, c.mode) << line;
    EXPECT_EQ(result.owner_window, c.owner) << line;
    EXPECT_EQ(result.tabs_at_start, c.tabs) << line;
  }
}

TEST(LaunchMode, InsideFolderComparesWholeCanonicalPaths) {
  EXPECT_TRUE(IsInsideFolder("/a/Kelvo/ViviVador/ylcskelvo", "/a/Kelvo/ViviVador"));
  EXPECT_TRUE(IsInsideFolder("/a/Kelvo/ViviVador/ylcskelvo", "/a/Kelvo/ViviVador/"));
  EXPECT_TRUE(IsInsideFolder("/a/Kelvo/ViviVador/sub/ylcskelvo", "/a/Kelvo/ViviVador"));
  // Linux paths are case-sensitive, and a sibling with a longer name is not inside.
  EXPECT_FALSE(IsInsideFolder("/a/kelvo/vivivador/ylcskelvo", "/a/Kelvo/ViviVador"));
  EXPECT_FALSE(IsInsideFolder("/a/Kelvo/ViviVador2/ylcskelvo", "/a/Kelvo/ViviVador"));
  EXPECT_FALSE(IsInsideFolder("/a/Kelvo/ViviVador", "/a/Kelvo/ViviVador"));
  EXPECT_FALSE(IsInsideFolder("/x/a/Kelvo/ViviVador/ylcskelvo", "/a/Kelvo/ViviVador"));
  EXPECT_FALSE(IsInsideFolder("/a/ylcskelvo", ""));
}

}  // namespace
}  // namespace ylcs
