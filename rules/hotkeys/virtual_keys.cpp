#include "rules/hotkeys/virtual_keys.h"

#include <array>
#include <utility>

namespace ylcs {

namespace {

// X key symbols outside the printable ASCII range, with their codes.
constexpr std::array<std::pair<std::uint32_t, int>, 58> kFunctionKeysyms{{
    {0xff08, 8},
    {0xff09, 9},
    {0xfe20, 9},
    {0xff0d, 13},
    {0xff8d, 13},
    {0xffe1, 16},
    {0xffe2, 16},
    {0xffe3, 17},
    {0xffe4, 17},
    {0xffe9, 18},
    {0xffea, 18},
    {0xff13, 19},
    {0xffe5, 20},
    {0xff1b, 27},
    {0xff55, 33},
    {0xff56, 34},
    {0xff57, 35},
    {0xff50, 36},
    {0xff51, 37},
    {0xff52, 38},
    {0xff53, 39},
    {0xff54, 40},
    {0xff63, 45},
    {0xffff, 46},
    {0xffeb, 91},
    {0xffec, 92},
    {0xffaa, 106},
    {0xffab, 107},
    {0xffac, 108},
    {0xffad, 109},
    {0xffae, 110},
    {0xffaf, 111},
    {0xff7f, 144},
    {0xff14, 145},
    // The keypad without Num Lock acts as the cursor block.
    {0xff9a, 33},
    {0xff9b, 34},
    {0xff9c, 35},
    {0xff95, 36},
    {0xff96, 37},
    {0xff97, 38},
    {0xff98, 39},
    {0xff99, 40},
    {0xff9e, 45},
    {0xff9f, 46},
    {0xff9d, 12},
    // Punctuation keys of a US layout, both levels.
    {0x3b, 186},
    {0x3a, 186},
    {0x3d, 187},
    {0x2b, 187},
    {0x2c, 188},
    {0x3c, 188},
    {0x2d, 189},
    {0x5f, 189},
    {0x2e, 190},
    {0x3e, 190},
    {0x2f, 191},
    {0x3f, 191},
    {0x20, 32},
}};

constexpr std::array<std::pair<std::uint32_t, int>, 18> kMoreKeysyms{{
    {0x60, 192},
    {0x7e, 192},
    {0x5b, 219},
    {0x7b, 219},
    {0x5c, 220},
    {0x7c, 220},
    {0x5d, 221},
    {0x7d, 221},
    {0x27, 222},
    {0x22, 222},
    // Shifted digits of a US layout.
    {0x21, 49},
    {0x40, 50},
    {0x23, 51},
    {0x24, 52},
    {0x25, 53},
    {0x5e, 54},
    {0x26, 55},
    {0x2a, 56},
}};

}  // namespace

int VirtualKeyOfKeysym(std::uint32_t keysym) {
  if (keysym >= '0' && keysym <= '9') return static_cast<int>(keysym);
  if (keysym >= 'A' && keysym <= 'Z') return static_cast<int>(keysym);
  if (keysym >= 'a' && keysym <= 'z') return static_cast<int>(keysym - 'a' + 'A');
  if (keysym >= 0xffb0 && keysym <= 0xffb9) return static_cast<int>(keysym - 0xffb0 + 96);   // keypad digits
  if (keysym >= 0xffbe && keysym <= 0xffc9) return static_cast<int>(keysym - 0xffbe + 112);  // F1 to F12
  if (keysym == 0x28) return 57;                                                             // "("
  if (keysym == 0x29) return 48;                                                             // ")"
  for (const auto& [sym, vk] : kFunctionKeysyms) {
    if (sym == keysym) return vk;
  }
  for (const auto& [sym, vk] : kMoreKeysyms) {
    if (sym == keysym) return vk;
  }
  return 0;
}

std::string KeyName(int vk) {
  switch (vk) {
    case 8: return "Back";
    case 9: return "Tab";
    case 13: return "Enter";
    case 16: return "Shift";
    case 17: return "Ctrl";
    case 18: return "Alt";
    case 19: return "Pause Break";
    case 20: return "Caps";
    case 27: return "Esc";
    case 33: return "Page Up";
    case 34: return "Page Down";
    case 35: return "End";
    case 36: return "Home";
    case 37: return "Left";
    case 38: return "Up";
    case 39: return "Right";
    case 40: return "Down";
    case 45: return "Insert";
    case 46: return "Del";
    case 91: return "LWin";
    case 92: return "RWin";
    case 106: return "Num *";
    case 107: return "Num +";
    case 109: return "Num -";
    case 110: return "Num Del";
    case 111: return "Num /";
    case 144: return "Num Lock";
    case 145: return "Scroll Lock";
    case 186: return ";";
    case 187: return "+";
    case 188: return ",";
    case 189: return "-";
    case 190: return ".";
    case 191: return "/";
    case 192: return "`";
    case 219: return "[";
    case 220: return "\\";
    case 221: return "]";
    case 222: return "'";
    default: break;
  }
  if ((vk >= 48 && vk <= 57) || (vk >= 65 && vk <= 90)) return std::string(1, static_cast<char>(vk));
  if (vk >= 96 && vk <= 105) return "Num " + std::string(1, static_cast<char>('0' + vk - 96));
  if (vk >= 112 && vk <= 123) return "F" + std::to_string(vk - 111);
  return "";
}

std::string FormatHotKey(HotKey key) {
  if (key.virtual_key == 0) return "无";
  std::string text;
  if (key.modifiers & kModCtrl) text += "Ctrl  +  ";
  if (key.modifiers & kModShift) text += "Shift  +  ";
  if (key.modifiers & kModAlt) text += "Alt  +  ";
  return text + KeyName(key.virtual_key);
}

bool IsAssignableKey(int vk, bool window_switch_key) {
  if (vk == VK_TAB) return window_switch_key;
  return (vk >= 112 && vk <= 122) || (vk >= 48 && vk <= 57) || (vk >= 65 && vk <= 90) ||
         (vk >= 33 && vk <= 40) || vk == 45 || vk == 20 || (vk >= 96 && vk <= 107) ||
         (vk >= 109 && vk <= 111) || vk == 144 || (vk >= 186 && vk <= 192) || (vk >= 219 && vk <= 222);
}

bool MatchesHotKey(HotKey key, int vk, int modifiers) {
  return key.virtual_key != 0 && key.virtual_key == vk && key.modifiers == modifiers;
}

}  // namespace ylcs
