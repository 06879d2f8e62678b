#pragma once
// Text-to-number conversions with the semantics of the C run-time calls the stored formats were
// written with: leading blanks skipped, an optional sign, decimal digits until the first other
// character, no digits giving 0, and results clamped to the 32-bit range.

#include <cstdint>
#include <string_view>

namespace ylcs {

// Like `wcstol(text, nullptr, 10)` with a 32-bit long.
std::int32_t ParseLongLikeWcstol(std::string_view text);

// Like `_wtoi(text)`: the same reading, clamped to INT_MIN..INT_MAX.
std::int32_t ParseIntLikeWtoi(std::string_view text);

}  // namespace ylcs
