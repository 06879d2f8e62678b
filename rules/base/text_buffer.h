#pragma once
// The stored formats were read into fixed UTF-16 buffers. These helpers give the same limits on
// UTF-8 text without ever splitting a character.

#include <cstddef>
#include <string>
#include <string_view>

namespace ylcs {

// Number of UTF-16 code units the UTF-8 text needs (invalid bytes count as one unit each).
std::size_t Utf16Length(std::string_view utf8);

// The longest prefix of `utf8` that fits, with its terminating zero, into a buffer of
// `buffer_chars` UTF-16 units: what a read into such a buffer keeps.
std::string TruncateToBuffer(std::string_view utf8, std::size_t buffer_chars);

// Whether the whole text fits, with its terminating zero, into such a buffer.
bool FitsInBuffer(std::string_view utf8, std::size_t buffer_chars);

// UTF-8 <-> UTF-16. Invalid UTF-8 bytes and unpaired surrogates become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace ylcs
