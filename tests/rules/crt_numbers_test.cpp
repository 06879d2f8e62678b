#include <gtest/gtest.h>

#include "rules/base/crt_numbers.h"
#include "rules/base/text_buffer.h"

namespace ylcs {
namespace {

TEST(CrtNumbers, ReadsLikeWcstol) {
  const struct {
    const char* text;
    std::int32_t value;
  } cases[] = {
      {"", 0},
      {"abc", 0},
      {"41", 41},
      {"-1", -1},
      {"  +7x", 7},
      {"12,5", 12},
      {"-", 0},
      {"2147483647", 2147483647},
      {"2147483648", 2147483647},
      {"-2147483649", -2147483647 - 1},
      {"99999999999999999999999", 2147483647},
      {"0009", 9},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseLongLikeWcstol(c.text), c.value) << c.text;
}

TEST(TextBuffer, CutsToBufferWithoutSplittingCharacters) {
  EXPECT_EQ(TruncateToBuffer("abcdef", 4), "abc");
  EXPECT_EQ(TruncateToBuffer("abc", 4), "abc");
  EXPECT_EQ(TruncateToBuffer("abc", 0), "");
  // Chinese characters are one UTF-16 unit each, three UTF-8 bytes.
  EXPECT_EQ(TruncateToBuffer("云岭传说", 3), "云岭");
  // A character outside the BMP needs two units: it is dropped whole, never halved.
  EXPECT_EQ(TruncateToBuffer("a\xF0\x9F\x98\x80", 3), "a");
  EXPECT_EQ(TruncateToBuffer("a\xF0\x9F\x98\x80", 4), "a\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf16Length("云岭传说"), 4u);
  EXPECT_TRUE(FitsInBuffer("/123456789012345", 17));
  EXPECT_FALSE(FitsInBuffer("/123456789012345", 16));
}

}  // namespace
}  // namespace ylcs
