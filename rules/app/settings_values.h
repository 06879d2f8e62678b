#pragma once
// Names, defaults and value formats of the settings file "Statistic.ini".

#include <cstdint>
#include <string>
#include <string_view>

namespace ylcs {

inline constexpr std::string_view kSettingsFileName = "Statistic.ini";
inline constexpr std::string_view kSettingsSection = "YlcsKelvo";

// Values are read through buffers of these sizes (in UTF-16 characters, zero included).
inline constexpr std::size_t kNumberValueBufferChars = 32;
inline constexpr std::size_t kPopInfoBufferChars = 1024;
inline constexpr std::size_t kPopEnableBufferChars = 8;

// The usage counters, by the index their callers use.
enum class Counter : int { Kelvo = 0, Inst = 1, UnInst = 2, Game = 3 };
std::string_view CounterKey(Counter counter);

// Hotkey keys with their stored defaults.
inline constexpr std::string_view kBossKey = "ShortKey";
inline constexpr std::string_view kBossKeyDefault = "0,121";
inline constexpr std::string_view kWindowSwitchKey = "AltWndKey";
inline constexpr std::string_view kWindowSwitchKeyDefault = "2,9";
inline constexpr std::string_view kSoundKey = "SndKey";
inline constexpr std::string_view kSoundKeyDefault = "2,81";

inline constexpr std::string_view kPopInfoKey = "PopInfo";
inline constexpr std::string_view kPopEnableKey = "PopEnable";

// Modifier bits of a hotkey.
inline constexpr int kModAlt = 1;
inline constexpr int kModCtrl = 2;
inline constexpr int kModShift = 4;

struct HotKey {
  int modifiers = 0;    // sum of kModAlt, kModCtrl, kModShift
  int virtual_key = 0;  // Windows virtual-key code
  friend bool operator==(const HotKey&, const HotKey&) = default;
};

// Counter text as stored -> the value to store next ("%u" of the old value + 1).
std::uint32_t NextCounterValue(std::string_view stored);
std::string FormatCounter(std::uint32_t value);

// "modifiers,key": each part read like `wcstol`; without a comma the whole text gives the
// modifiers and the key is 0. The text is first cut to the 32-character read buffer.
HotKey ParseHotKeyValue(std::string_view stored);
std::string FormatHotKeyValue(HotKey key);

}  // namespace ylcs
