#include "platform/ini_file.h"

// UTF-8 text is kept as bytes; values are checked for valid UTF-8 before they are written.
#define SI_NO_CONVERSION
#include <SimpleIni.h>
#include <glib.h>

#include <vector>

#include "platform/handles.h"
#include "rules/base/text_buffer.h"

namespace ylcs {

namespace {

// UTF-8 data, one value per key, multi-line values allowed (written as a here-document).
class IniDocument : public CSimpleIniA {
 public:
  IniDocument() : CSimpleIniA(/*a_bIsUtf8=*/true, /*a_bMultiKey=*/false, /*a_bMultiLine=*/true) {
    SetSpaces(false);
  }
};

enum class LoadResult { Loaded, Missing, Unreadable };

LoadResult Load(CSimpleIniA& ini, const std::string& file) {
  if (!g_file_test(file.c_str(), G_FILE_TEST_EXISTS)) return LoadResult::Missing;
  gchar* contents = nullptr;
  gsize length = 0;
  if (!g_file_get_contents(file.c_str(), &contents, &length, nullptr)) return LoadResult::Unreadable;
  GCharPtr owned(contents);
  return ini.LoadData(contents, length) < 0 ? LoadResult::Unreadable : LoadResult::Loaded;
}

bool SaveWhole(const std::string& file, const CSimpleIniA& ini, std::string& data) {
  if (ini.Save(data) < 0) return false;
  return g_file_set_contents_full(file.c_str(), data.data(), static_cast<gssize>(data.size()),
                                  G_FILE_SET_CONTENTS_CONSISTENT, 0644, nullptr) != FALSE;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && g_ascii_strncasecmp(a.data(), b.data(), a.size()) == 0;
}

}  // namespace

std::optional<std::string> FindIniValue(const std::string& file, std::string_view section,
                                        std::string_view key) {
  IniDocument ini;
  if (Load(ini, file) != LoadResult::Loaded) return std::nullopt;
  const std::string section_text(section);
  const std::string key_text(key);
  const char* stored = ini.GetValue(section_text.c_str(), key_text.c_str(), nullptr);
  if (!stored) return std::nullopt;
  return std::string(stored);
}

bool IsIniFileUsable(const std::string& file) {
  IniDocument ini;
  return Load(ini, file) != LoadResult::Unreadable;
}

std::string ReadIniValue(const std::string& file, std::string_view section, std::string_view key,
                         std::string_view default_value, std::size_t buffer_chars) {
  const std::optional<std::string> stored = FindIniValue(file, section, key);
  return TruncateToBuffer(stored ? *stored : default_value, buffer_chars);
}

bool WriteIniValue(const std::string& file, std::string_view section, std::string_view key,
                   std::string_view value) {
  if (value.find('\0') != std::string_view::npos) return false;
  if (!g_utf8_validate(value.data(), static_cast<gssize>(value.size()), nullptr)) return false;

  IniDocument ini;
  if (Load(ini, file) == LoadResult::Unreadable) return false;

  const std::string section_text(section);
  const std::string key_text(key);
  const std::string value_text(value);
  if (ini.SetValue(section_text.c_str(), key_text.c_str(), value_text.c_str()) < 0) return false;

  std::string data;
  if (ini.Save(data) < 0) return false;
  // Read what would be written: a value the format cannot carry (a line that ends the
  // here-document early, say) must not reach the file.
  IniDocument check;
  if (check.LoadData(data) < 0) return false;
  const char* round_trip = check.GetValue(section_text.c_str(), key_text.c_str(), nullptr);
  if (!round_trip || value_text != round_trip) return false;

  data.clear();
  return SaveWhole(file, ini, data);
}

bool RemoveIniSectionTree(const std::string& file, std::string_view section) {
  IniDocument ini;
  switch (Load(ini, file)) {
    case LoadResult::Missing: return true;
    case LoadResult::Unreadable: return false;
    case LoadResult::Loaded: break;
  }
  CSimpleIniA::TNamesDepend sections;
  ini.GetAllSections(sections);
  std::vector<std::string> doomed;
  for (const auto& entry : sections) {
    const std::string_view name(entry.pItem);
    const bool below = name.size() > section.size() + 1 && name[section.size()] == '\\' &&
                       EqualsIgnoringAsciiCase(name.substr(0, section.size()), section);
    if (below || EqualsIgnoringAsciiCase(name, section)) doomed.emplace_back(name);
  }
  for (const std::string& name : doomed) ini.Delete(name.c_str(), nullptr);
  const bool changed = !doomed.empty();
  if (!changed) return true;
  std::string data;
  return SaveWhole(file, ini, data);
}

}  // namespace ylcs
