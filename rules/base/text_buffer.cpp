#include "rules/base/text_buffer.h"

namespace ylcs {

namespace {

struct Utf8Step {
  std::size_t bytes;
  std::size_t utf16_units;
};

// Length of the UTF-8 sequence at `pos` and the UTF-16 units it stands for.
Utf8Step StepAt(std::string_view s, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(s[pos]);
  std::size_t len = 1;
  if (lead >= 0xF0 && lead < 0xF8) {
    len = 4;
  } else if (lead >= 0xE0) {
    len = lead < 0xF0 ? 3 : 1;
  } else if (lead >= 0xC0) {
    len = 2;
  }
  if (pos + len > s.size()) return {1, 1};
  for (std::size_t k = 1; k < len; ++k) {
    if ((static_cast<unsigned char>(s[pos + k]) & 0xC0) != 0x80) return {1, 1};
  }
  return {len, len == 4 ? 2u : 1u};
}

}  // namespace

std::size_t Utf16Length(std::string_view utf8) {
  std::size_t units = 0;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const Utf8Step step = StepAt(utf8, pos);
    units += step.utf16_units;
    pos += step.bytes;
  }
  return units;
}

std::string TruncateToBuffer(std::string_view utf8, std::size_t buffer_chars) {
  if (buffer_chars == 0) return {};
  const std::size_t room = buffer_chars - 1;
  std::size_t units = 0;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const Utf8Step step = StepAt(utf8, pos);
    if (units + step.utf16_units > room) break;
    units += step.utf16_units;
    pos += step.bytes;
  }
  return std::string(utf8.substr(0, pos));
}

bool FitsInBuffer(std::string_view utf8, std::size_t buffer_chars) {
  return buffer_chars > 0 && Utf16Length(utf8) < buffer_chars;
}

}  // namespace ylcs
