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

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const Utf8Step step = StepAt(utf8, pos);
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    char32_t cp = 0xFFFD;
    if (step.bytes == 1) {
      if (lead < 0x80) cp = lead;
    } else {
      cp = lead & (0xFF >> (step.bytes + 1));
      for (std::size_t k = 1; k < step.bytes; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(utf8[pos + k]) & 0x3F);
      // Overlong forms, surrogates and values beyond Unicode are not characters.
      const char32_t min[] = {0, 0, 0x80, 0x800, 0x10000};
      if (cp < min[step.bytes] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = 0xFFFD;
    }
    if (cp >= 0x10000) {
      out.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    pos += step.bytes;
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size() * 3);
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t cp = utf16[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

}  // namespace ylcs
