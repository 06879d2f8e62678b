#include "platform/folders.h"

#include <glib.h>
#include <glib/gstdio.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/handles.h"
#include "rules/app/program_files.h"

namespace ylcs {

namespace {

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  return (home && *home) ? home : g_get_home_dir();
}

// An XDG variable must hold an absolute path to count; otherwise the default applies.
std::string XdgFolder(const char* variable, const char* default_below_home) {
  const char* value = std::getenv(variable);
  if (value && value[0] == '/') return value;
  return HomeFolder() + "/" + default_below_home;
}

}  // namespace

std::string DataHomeFolder() { return XdgFolder("XDG_DATA_HOME", ".local/share"); }
std::string ConfigHomeFolder() { return XdgFolder("XDG_CONFIG_HOME", ".config"); }
std::string CacheHomeFolder() { return XdgFolder("XDG_CACHE_HOME", ".cache"); }

std::string TempFolder() {
  const char* tmp = std::getenv("TMPDIR");
  return (tmp && tmp[0] == '/') ? tmp : "/tmp";
}

std::string DesktopFolder() {
  if (const char* dir = std::getenv("XDG_DESKTOP_DIR"); dir && dir[0] == '/') return dir;
  // user-dirs.dirs names the desktop as XDG_DESKTOP_DIR="$HOME/...".
  const std::string dirs_file = ConfigHomeFolder() + "/user-dirs.dirs";
  gchar* contents = nullptr;
  if (g_file_get_contents(dirs_file.c_str(), &contents, nullptr, nullptr)) {
    GCharPtr owned(contents);
    GStrvPtr lines(g_strsplit(contents, "\n", -1));
    for (gchar** line = lines.get(); *line; ++line) {
      std::string text = g_strstrip(*line);
      constexpr std::string_view kPrefix = "XDG_DESKTOP_DIR=\"";
      if (text.rfind(kPrefix, 0) != 0 || text.back() != '"') continue;
      std::string value = text.substr(kPrefix.size(), text.size() - kPrefix.size() - 1);
      if (value.rfind("$HOME", 0) == 0) value = HomeFolder() + value.substr(5);
      if (!value.empty() && value[0] == '/') return value;
    }
  }
  return HomeFolder() + "/Desktop";
}

std::string InstallFolder() { return DataHomeFolder() + "/Kelvo/ViviVador"; }

std::string ProgramPath() {
  std::error_code ec;
  const auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : path.string();
}

std::string ProgramFolder() { return FolderOf(ProgramPath()); }

std::string CanonicalPath(const std::string& path) {
  std::error_code ec;
  const auto canonical = std::filesystem::weakly_canonical(path, ec);
  return ec ? path : canonical.string();
}

bool MakeFolders(const std::string& path) { return g_mkdir_with_parents(path.c_str(), 0755) == 0; }

}  // namespace ylcs
