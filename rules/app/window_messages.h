#pragma once
// The messages the program's windows exchange across processes, with their traditional numbers.

#include <cstdint>

namespace ylcs {

inline constexpr std::uint32_t WM_USER = 0x400;
inline constexpr std::uint32_t WM_TRAYICON = WM_USER + 1;
inline constexpr std::uint32_t WM_GAMEFRAME_READY = WM_USER + 2;
inline constexpr std::uint32_t WM_SHOW_TRAYMENU = WM_USER + 3;
inline constexpr std::uint32_t WM_HOTKEYS_CHANGED = WM_USER + 4;
inline constexpr std::uint32_t WM_SET_MUTE = WM_USER + 5;
inline constexpr std::uint32_t WM_ADD_ACCOUNT = WM_USER + 6;
inline constexpr std::uint32_t WM_RELOAD_HOTKEYS = WM_USER + 7;

inline constexpr std::uint32_t WM_COPYDATA = 0x4A;
inline constexpr std::uint32_t WM_KEYDOWN = 0x100;
inline constexpr std::uint32_t WM_CHAR = 0x102;
inline constexpr std::uint32_t WM_SYSKEYDOWN = 0x104;
inline constexpr std::uint32_t WM_SYSCOMMAND = 0x112;
inline constexpr std::uint32_t SC_CLOSE = 0xF060;
inline constexpr std::uint32_t SC_RESTORE = 0xF120;

// lParam of the messages the program makes up itself, to tell them from real input.
inline constexpr std::int32_t kSynthesizedMarker = 7531;

}  // namespace ylcs
