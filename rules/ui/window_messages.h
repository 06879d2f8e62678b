#pragma once
// Window messages, commands, notifications and styles of the program's windows, with their
// traditional numbers: the windows of the program talk in these terms inside a process and
// between processes, and the numbers are part of what travels.

#include <cstdint>

namespace ylcs {

// Messages.
inline constexpr unsigned WM_CLOSE = 0x0010;
inline constexpr unsigned WM_KEYDOWN = 0x0100;
inline constexpr unsigned WM_KEYUP = 0x0101;
inline constexpr unsigned WM_CHAR = 0x0102;
inline constexpr unsigned WM_SYSKEYDOWN = 0x0104;
inline constexpr unsigned WM_SYSKEYUP = 0x0105;
inline constexpr unsigned WM_COMMAND = 0x0111;
inline constexpr unsigned WM_SYSCOMMAND = 0x0112;
inline constexpr unsigned WM_TIMER = 0x0113;
inline constexpr unsigned WM_USER = 0x0400;

// System commands (wParam of WM_SYSCOMMAND).
inline constexpr unsigned SC_SIZE = 0xF000;
inline constexpr unsigned SC_MOVE = 0xF010;
inline constexpr unsigned SC_MINIMIZE = 0xF020;
inline constexpr unsigned SC_MAXIMIZE = 0xF030;
inline constexpr unsigned SC_CLOSE = 0xF060;
inline constexpr unsigned SC_RESTORE = 0xF120;

// Notifications (high word of WM_COMMAND's wParam).
inline constexpr unsigned BN_CLICKED = 0;
inline constexpr unsigned STN_CLICKED = 0;

// Progress bar messages.
inline constexpr unsigned PBM_SETRANGE32 = WM_USER + 6;
inline constexpr unsigned PBM_SETPOS = WM_USER + 2;
inline constexpr unsigned PBM_GETPOS = WM_USER + 8;

// Window styles.
inline constexpr std::uint32_t WS_POPUP = 0x80000000u;
inline constexpr std::uint32_t WS_CHILD = 0x40000000u;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000u;
inline constexpr std::uint32_t WS_DISABLED = 0x08000000u;
inline constexpr std::uint32_t WS_CLIPCHILDREN = 0x02000000u;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000u;
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000u;
inline constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000u;
inline constexpr std::uint32_t DS_MODALFRAME = 0x00000080u;
inline constexpr std::uint32_t DS_SETFONT = 0x00000040u;
inline constexpr std::uint32_t DS_FIXEDSYS = 0x00000008u;
inline constexpr std::uint32_t DS_CENTER = 0x00000800u;

// Extended window styles.
inline constexpr std::uint32_t WS_EX_DLGMODALFRAME = 0x00000001u;
inline constexpr std::uint32_t WS_EX_TOPMOST = 0x00000008u;
inline constexpr std::uint32_t WS_EX_TOOLWINDOW = 0x00000080u;
inline constexpr std::uint32_t WS_EX_WINDOWEDGE = 0x00000100u;
inline constexpr std::uint32_t WS_EX_APPWINDOW = 0x00040000u;
inline constexpr std::uint32_t WS_EX_LAYERED = 0x00080000u;

// Static control styles.
inline constexpr std::uint32_t SS_CENTER = 0x00000001u;
inline constexpr std::uint32_t SS_RIGHT = 0x00000002u;
inline constexpr std::uint32_t SS_NOTIFY = 0x00000100u;
inline constexpr std::uint32_t SS_CENTERIMAGE = 0x00000200u;
inline constexpr std::uint32_t SS_ENDELLIPSIS = 0x00004000u;
inline constexpr std::uint32_t SS_PATHELLIPSIS = 0x00008000u;

constexpr std::uintptr_t MakeWParam(unsigned low, unsigned high) {
  return (std::uintptr_t{high & 0xFFFFu} << 16) | (low & 0xFFFFu);
}
constexpr unsigned LowWord(std::uintptr_t value) { return static_cast<unsigned>(value & 0xFFFFu); }
constexpr unsigned HighWord(std::uintptr_t value) { return static_cast<unsigned>((value >> 16) & 0xFFFFu); }

}  // namespace ylcs
