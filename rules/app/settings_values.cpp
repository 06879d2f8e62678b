#include "rules/app/settings_values.h"

#include "rules/base/crt_numbers.h"
#include "rules/base/text_buffer.h"

namespace ylcs {

std::string_view CounterKey(Counter counter) {
  switch (counter) {
    case Counter::Kelvo: return "Kelvo";
    case Counter::Inst: return "Inst";
    case Counter::UnInst: return "UnInst";
    case Counter::Game: return "Game";
  }
  return "Game";
}

std::uint32_t NextCounterValue(std::string_view stored) {
  const std::string text = TruncateToBuffer(stored, kNumberValueBufferChars);
  // The stored number is signed; the sum is written unsigned, so -1 counts on to 0 and the
  // largest signed value to 2147483648.
  return static_cast<std::uint32_t>(ParseLongLikeWcstol(text)) + 1u;
}

std::string FormatCounter(std::uint32_t value) { return std::to_string(value); }

HotKey ParseHotKeyValue(std::string_view stored) {
  const std::string text = TruncateToBuffer(stored, kNumberValueBufferChars);
  const std::size_t comma = text.find(',');
  HotKey key;
  if (comma == std::string::npos) {
    key.modifiers = ParseLongLikeWcstol(text);
    return key;
  }
  key.modifiers = ParseLongLikeWcstol(std::string_view(text).substr(0, comma));
  key.virtual_key = ParseLongLikeWcstol(std::string_view(text).substr(comma + 1));
  return key;
}

std::string FormatHotKeyValue(HotKey key) {
  return std::to_string(key.modifiers) + "," + std::to_string(key.virtual_key);
}

}  // namespace ylcs
