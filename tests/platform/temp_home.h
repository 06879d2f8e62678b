#pragma once
// A temporary HOME with every XDG folder inside it, removed at the end of the test.

#include <glib.h>
#include <glib/gstdio.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace ylcs::testing {

class TempHome {
 public:
  TempHome() {
    gchar* dir = g_dir_make_tmp("ylcs-test-XXXXXX", nullptr);
    path_ = dir;
    g_free(dir);
    Set("HOME", path_);
    Set("XDG_DATA_HOME", path_ + "/.local/share");
    Set("XDG_CONFIG_HOME", path_ + "/.config");
    Set("XDG_CACHE_HOME", path_ + "/.cache");
  }
  TempHome(const TempHome&) = delete;
  TempHome& operator=(const TempHome&) = delete;
  ~TempHome() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::string& path() const { return path_; }

 private:
  static void Set(const char* name, const std::string& value) { g_setenv(name, value.c_str(), TRUE); }
  std::string path_;
};

inline std::string ReadWholeFile(const std::string& path) {
  gchar* contents = nullptr;
  gsize length = 0;
  if (!g_file_get_contents(path.c_str(), &contents, &length, nullptr)) return {};
  std::string text(contents, length);
  g_free(contents);
  return text;
}

inline void WriteWholeFile(const std::string& path, const std::string& text) {
  g_file_set_contents(path.c_str(), text.data(), static_cast<gssize>(text.size()), nullptr);
}

}  // namespace ylcs::testing
