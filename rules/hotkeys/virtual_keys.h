#pragma once
// Keys as the settings store them: Windows virtual-key codes with modifier bits. X key symbols
// are translated into those codes; names and the assignable set are the program's own tables.

#include <cstdint>
#include <string>

#include "rules/app/settings_values.h"

namespace ylcs {

inline constexpr int VK_TAB = 9;
inline constexpr int VK_RETURN = 13;
inline constexpr int VK_ESCAPE = 27;
inline constexpr int VK_SPACE = 32;
inline constexpr int VK_F5 = 116;
inline constexpr int VK_F10 = 121;

// The virtual-key code of an X key symbol, 0 for keys without one. Shifted symbols give the code
// of their key ("!" gives the code of "1").
int VirtualKeyOfKeysym(std::uint32_t keysym);

// Display name of a code ("" for codes without a name).
std::string KeyName(int virtual_key);
// "无" for no key, else "Ctrl  +  ", "Shift  +  ", "Alt  +  " as set, then the key's name.
std::string FormatHotKey(HotKey key);
// Whether a code may be the main key of a shortcut (Tab only for the window-switch key).
bool IsAssignableKey(int virtual_key, bool window_switch_key);
// A key press matches when code and modifier bits are both equal; code 0 never matches.
bool MatchesHotKey(HotKey key, int virtual_key, int modifiers);

}  // namespace ylcs
