#pragma once
// The messages the program's windows exchange across processes, with their traditional numbers.
// The general window messages (keys, system commands) are in rules/ui/window_messages.h.

#include <cstdint>

#include "rules/ui/window_messages.h"

namespace ylcs {

inline constexpr unsigned WM_TRAYICON = WM_USER + 1;
inline constexpr unsigned WM_GAMEFRAME_READY = WM_USER + 2;
inline constexpr unsigned WM_SHOW_TRAYMENU = WM_USER + 3;
inline constexpr unsigned WM_HOTKEYS_CHANGED = WM_USER + 4;
inline constexpr unsigned WM_SET_MUTE = WM_USER + 5;
inline constexpr unsigned WM_ADD_ACCOUNT = WM_USER + 6;
inline constexpr unsigned WM_RELOAD_HOTKEYS = WM_USER + 7;

inline constexpr unsigned WM_COPYDATA = 0x4A;

// lParam of the messages the program makes up itself, to tell them from real input.
inline constexpr std::int32_t kSynthesizedMarker = 7531;

}  // namespace ylcs
