#include "platform/registry_store.h"

#include <cstdio>

#include "platform/folders.h"
#include "platform/ini_file.h"
#include "rules/app/program_files.h"

namespace ylcs {

namespace {

constexpr std::string_view kBinaryPrefix = "hex:";
constexpr std::string_view kDwordPrefix = "dword:";

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string RegistryHiveFile(Hive hive) {
  const char* name = hive == Hive::LocalMachine ? "HKEY_LOCAL_MACHINE.reg" : "HKEY_CURRENT_USER.reg";
  return ConfigHomeFolder() + "/Kelvo/" + name;
}

bool CanOpenRegistryKey(Hive hive) { return IsIniFileUsable(RegistryHiveFile(hive)); }

std::string FormatRegistryBinary(std::span<const std::uint8_t> bytes) {
  std::string text(kBinaryPrefix);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char pair[4];
    std::snprintf(pair, sizeof pair, "%02x", bytes[i]);
    if (i > 0) text += ',';
    text += pair;
  }
  return text;
}

std::optional<std::vector<std::uint8_t>> ParseRegistryBinary(std::string_view text) {
  if (text.substr(0, kBinaryPrefix.size()) != kBinaryPrefix) return std::nullopt;
  text.remove_prefix(kBinaryPrefix.size());
  std::vector<std::uint8_t> bytes;
  if (text.empty()) return bytes;
  // Exactly "xx" pairs separated by single commas.
  if ((text.size() + 1) % 3 != 0) return std::nullopt;
  for (std::size_t i = 0; i < text.size(); i += 3) {
    const int high = HexDigit(text[i]);
    const int low = HexDigit(text[i + 1]);
    if (high < 0 || low < 0 || (i + 2 < text.size() && text[i + 2] != ',')) return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
  }
  return bytes;
}

std::optional<std::vector<std::uint8_t>> ReadRegistryBinary(Hive hive, std::string_view key,
                                                            std::string_view name) {
  const auto text = FindIniValue(RegistryHiveFile(hive), key, name);
  return text ? ParseRegistryBinary(*text) : std::nullopt;
}

std::optional<std::uint32_t> ReadRegistryDword(Hive hive, std::string_view key, std::string_view name) {
  const auto text = FindIniValue(RegistryHiveFile(hive), key, name);
  if (!text || text->size() != kDwordPrefix.size() + 8 || text->rfind(kDwordPrefix, 0) != 0)
    return std::nullopt;
  std::uint32_t value = 0;
  for (std::size_t i = kDwordPrefix.size(); i < text->size(); ++i) {
    const int digit = HexDigit((*text)[i]);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return value;
}

bool WriteRegistryBinary(Hive hive, std::string_view key, std::string_view name,
                         std::span<const std::uint8_t> bytes) {
  const std::string file = RegistryHiveFile(hive);
  return MakeFolders(FolderOf(file)) && WriteIniValue(file, key, name, FormatRegistryBinary(bytes));
}

bool WriteRegistryDword(Hive hive, std::string_view key, std::string_view name, std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "dword:%08x", value);
  const std::string file = RegistryHiveFile(hive);
  return MakeFolders(FolderOf(file)) && WriteIniValue(file, key, name, text);
}

bool DeleteRegistryKeyTree(Hive hive, std::string_view key) {
  return RemoveIniSectionTree(RegistryHiveFile(hive), key);
}

}  // namespace ylcs
