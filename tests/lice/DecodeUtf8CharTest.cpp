#include "LICE_CachedFont.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// The characters of a text, decoded one after another up to its NUL.
std::vector<std::pair<int, int>> Decode(const char* text)
{
  std::vector<std::pair<int, int>> decoded;
  while (*text)
  {
    std::uint16_t code = 0;
    const int used = LICE_CachedFont::DecodeUtf8Char(text, &code);
    decoded.push_back({code, used});
    text += used;
  }
  return decoded;
}

TEST(LiceDecodeUtf8Char, Table)
{
  using Decoded = std::vector<std::pair<int, int>>;
  const struct Case
  {
    const char* what;
    const char* text;
    Decoded expected;
  } cases[] = {
      {"ASCII", "Az", {{'A', 1}, {'z', 1}}},
      {"4 bytes: one space", "\xF0\x9F\x98\x80", {{0x20, 4}}},
      {"2 bytes", "\xC3\xA9", {{0xE9, 2}}},
      {"lone lead at the end", "a\xC3", {{'a', 1}, {0xC3, 1}}},
      {"lead before a non-continuation", "\xC3\xC0", {{0xC3, 1}, {0xC0, 1}}},
      {"3 bytes", "\xE2\x82\xAC", {{0x20AC, 3}}},
      {"overlong 3 bytes pass", "\xE0\x80\xAF", {{0x2F, 3}}},
      {"surrogates pass", "\xED\xA0\x80", {{0xD800, 3}}},
      {"overlong 2-byte leads are bytes", "\xC0\xAF\xC1\x80", {{0xC0, 1}, {0xAF, 1}, {0xC1, 1}, {0x80, 1}}},
      {"leads from F5 are bytes", "\xF5\x80\x80\x80", {{0xF5, 1}, {0x80, 1}, {0x80, 1}, {0x80, 1}}},
      {"truncated 4 bytes", "\xF0\x9F\x98", {{0xF0, 1}, {0x9F, 1}, {0x98, 1}}},
      {"truncated 3 bytes", "\xE2\x82z", {{0xE2, 1}, {0x82, 1}, {'z', 1}}},
      {"stray continuation", "\x80", {{0x80, 1}}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Decode(c.text), c.expected) << c.what;
  EXPECT_EQ(LICE_CachedFont::DecodeUtf8Char("\xC3\xA9", nullptr), 2) << "the code is optional";
}
}
