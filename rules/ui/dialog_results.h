#pragma once
// Message box types and dialog end codes, with their traditional values.

namespace ylcs {

inline constexpr int MB_OK = 0;
inline constexpr int MB_OKCANCEL = 1;
inline constexpr int MB_YESNO = 4;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// The program's title for every message.
inline constexpr const char* kMessageTitle = "kelvo - 云岭传说";

}  // namespace ylcs
