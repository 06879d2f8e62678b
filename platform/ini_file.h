#pragma once
// One value at a time from and to an INI file, like the profile-string calls the settings file
// was designed for: a read never fails (missing file, section or key gives the default), and a
// write replaces the file whole (temporary file and rename), so a failure leaves the old file.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ylcs {

// The value, or `default_value` when the file, section or key is missing; cut to what fits a
// buffer of `buffer_chars` UTF-16 characters. Sections and keys compare case-insensitively.
std::string ReadIniValue(const std::string& file, std::string_view section, std::string_view key,
                         std::string_view default_value, std::size_t buffer_chars);

// The stored value, or nothing when the file, section or key is missing or the file unreadable.
std::optional<std::string> FindIniValue(const std::string& file, std::string_view section,
                                        std::string_view key);

// Whether the file is absent or can be read; false for a file that exists but cannot be read.
bool IsIniFileUsable(const std::string& file);

// Sets one value, creating the file when needed. Any text is stored so that it reads back the
// same (line breaks and surrounding blanks included); text that cannot be stored faithfully
// (a zero byte, invalid UTF-8), an unreadable existing file or a failed write returns false and
// leaves the file as it was.
bool WriteIniValue(const std::string& file, std::string_view section, std::string_view key,
                   std::string_view value);

// Removes the section and every section below it ("section\\..."); true when nothing named
// remains. A missing file has nothing to remove.
bool RemoveIniSectionTree(const std::string& file, std::string_view section);

}  // namespace ylcs
