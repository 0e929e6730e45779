#include "vocal/kana_filter.h"

#include <gtest/gtest.h>

#include "frontend/messages.h"
#include "frontend/testing.h"

namespace scoretext::vocal {
namespace {

using scoretext::testing::thrown_message;

std::string convert(std::string_view line) {
  std::string scratch;
  return std::string(convert_kana_line(line, scratch));
}

Msg refusal(std::string_view line) {
  return thrown_message([&] { convert(line); });
}

std::string utf8(char32_t c) {
  return {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
          static_cast<char>(0x80 | (c & 0x3F))};
}

// Every kana the conversion knows, checked against the suite's own CP932
// encoder: the Shift_JIS form comes back as the UTF-8 form, and the UTF-8
// form stays as it is.
TEST(KanaFilter, EveryKanaInShiftJisAndUtf8GivesTheSameUtf8) {
  std::vector<char32_t> kana;
  for (char32_t c = 0x3041; c <= 0x3093; ++c) kana.push_back(c);
  for (char32_t c = 0x30A1; c <= 0x30F6; ++c) kana.push_back(c);
  kana.push_back(0x30FC);
  for (const char32_t c : kana) {
    const std::string sjis = to_cp932(utf8(c));
    ASSERT_EQ(sjis.size(), 2u) << std::hex << static_cast<std::uint32_t>(c);
    EXPECT_EQ(convert("4 C3 \"" + sjis + "\""), "4 C3 \"" + utf8(c) + "\"") << std::hex << static_cast<std::uint32_t>(c);
    EXPECT_EQ(convert(utf8(c)), utf8(c)) << std::hex << static_cast<std::uint32_t>(c);
  }
  EXPECT_EQ(kana.size(), 83u + 86u + 1u);
}

TEST(KanaFilter, AsciiIsKeptByteForByte) {
  std::string all;
  for (int b = 0; b < 0x80; ++b) {
    if (b != '/') all += static_cast<char>(b);
  }
  EXPECT_EQ(convert(all), all);
}

TEST(KanaFilter, AnythingElseAbove0x7FIsRefused) {
  const std::string refused[] = {
      "\xB1",            // half-width katakana
      "\x88\x9F",        // a kanji in Shift_JIS
      "\x82\x9E",        // just before the hiragana
      "\x82\xF2",        // just after them
      "\x83\x3F",        // just before the katakana
      "\x83\x7F",        // the gap in the katakana
      "\x83\x97",        // just after them
      "\x81\x5C",        // a neighbour of the long-vowel mark
      "\x82",            // a lead byte at the line end
      "\xE3\x81\x80",    // U+3040, before the UTF-8 hiragana
      "\xE3\x82\x94",    // U+3094, after them
      "\xE3\x82\xA0",    // U+30A0, before the UTF-8 katakana
      "\xE3\x83\xB7",    // U+30F7, after them
      "\xE3\x83\xBB",    // U+30FB, the middle dot
      "\xE3\x81",        // a cut sequence
      "\xE3\x41\x81",    // not a sequence at all
      "\xE4\xB8\x80",    // a kanji in UTF-8
      "\x81\x5B\xFF",    // a good pair and a bad byte
  };
  for (const std::string& text : refused) {
    EXPECT_EQ(refusal("4 C3 \"" + text + "\""), Msg::UnusableCharacter) << text;
  }
}

TEST(KanaFilter, TheCommentIsCutBeforeItIsLookedAt) {
  EXPECT_EQ(convert("4 C3 // \xB1\xE4\xB8\x80"), "4 C3 ");
  EXPECT_EQ(convert("4 C3 \"\x82\xA0\"//"), "4 C3 \"\xE3\x81\x82\"");
  EXPECT_EQ(refusal("\xB1 // comment"), Msg::UnusableCharacter);
  EXPECT_EQ(convert("a/b"), "a/b");
}

}  // namespace
}  // namespace scoretext::vocal
