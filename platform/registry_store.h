#pragma once
// The registry of the program: a small text store of our own, one INI file per hive under
// $XDG_CONFIG_HOME/Kelvo, one section per key path, values typed as "hex:" byte lists or
// "dword:" eight hex digits (the notation of a registry export).

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ylcs {

enum class Hive { LocalMachine, CurrentUser };

std::string RegistryHiveFile(Hive hive);

// Whether the key can be opened (created when missing): false only when the hive's store exists
// but cannot be read.
bool CanOpenRegistryKey(Hive hive);

// A value of another type, or malformed, reads as missing.
std::optional<std::vector<std::uint8_t>> ReadRegistryBinary(Hive hive, std::string_view key,
                                                            std::string_view name);
std::optional<std::uint32_t> ReadRegistryDword(Hive hive, std::string_view key, std::string_view name);

bool WriteRegistryBinary(Hive hive, std::string_view key, std::string_view name,
                         std::span<const std::uint8_t> bytes);
bool WriteRegistryDword(Hive hive, std::string_view key, std::string_view name, std::uint32_t value);

// Deletes the key with all its values and subkeys.
bool DeleteRegistryKeyTree(Hive hive, std::string_view key);

// The text form of the two value types (exposed for tests).
std::string FormatRegistryBinary(std::span<const std::uint8_t> bytes);
std::optional<std::vector<std::uint8_t>> ParseRegistryBinary(std::string_view text);

}  // namespace ylcs
