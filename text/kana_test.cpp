// The kana layout against the C library's own converters (iconv), which
// share nothing with it: every Shift_JIS pair the kana rows could hold, and
// every code point of the three-byte UTF-8 range.
#include "text/kana.h"

#include <gtest/gtest.h>

#include "frontend/testing.h"


#include <cstdint>
#include <string>

namespace scoretext::text {
namespace {

// The code point iconv reads from a CP932 pair, or 0.
char32_t cp932_code_point(std::uint8_t lead, std::uint8_t trail) {
  const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
  const std::string utf32 = scoretext::testing::iconv_converted("UTF-32BE", "CP932", pair);
  if (utf32.size() != 4) return 0;
  char32_t c = 0;
  for (const char b : utf32) c = c << 8 | static_cast<std::uint8_t>(b);
  return c;
}

std::string utf32be(char32_t c) {
  return {static_cast<char>(c >> 24), static_cast<char>(c >> 16), static_cast<char>(c >> 8), static_cast<char>(c)};
}

// Code points compared as numbers, which the test's messages can print.
std::uint32_t u(char32_t c) { return static_cast<std::uint32_t>(c); }

bool have_cp932() { return !scoretext::testing::cp932_by_iconv("\xE3\x82\xA2").empty(); }

TEST(KanaLayout, EveryPairOfTheKanaLeadsReadsAsTheConverterReadsIt) {
  if (!have_cp932()) GTEST_SKIP() << "no CP932 converter";
  int kana = 0;
  for (unsigned lead = 0x81; lead <= 0x83; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      const char32_t expected = cp932_code_point(static_cast<std::uint8_t>(lead), static_cast<std::uint8_t>(trail));
      const char32_t got = kana_of_sjis(static_cast<std::uint8_t>(lead), static_cast<std::uint8_t>(trail));
      // Outside the kana the layout reads nothing, whatever the pair is.
      EXPECT_EQ(u(got), is_kana(expected) ? u(expected) : 0u) << std::hex << lead << ' ' << trail;
      if (got != 0) ++kana;
    }
  }
  // 83 hiragana, 86 katakana and the long-vowel mark.
  EXPECT_EQ(kana, 83 + 86 + 1);
}

TEST(KanaLayout, EveryKanaWritesThePairTheConverterWrites) {
  if (!have_cp932()) GTEST_SKIP() << "no CP932 converter";
  for (char32_t c = 0x3000; c <= 0x30FF; ++c) {
    std::string out = "x";
    const bool written = append_sjis_kana(c, out);
    EXPECT_EQ(written, is_kana(c)) << std::hex << u(c);
    if (!written) {
      EXPECT_EQ(out, "x");
      continue;
    }
    EXPECT_EQ(out, std::string("x").append(scoretext::testing::iconv_converted("CP932", "UTF-32BE", utf32be(c))))
        << std::hex << u(c);
    SjisPair pair;
    ASSERT_TRUE(sjis_of_kana(c, pair));
    EXPECT_EQ(u(kana_of_sjis(pair.lead, pair.trail)), u(c));
  }
  EXPECT_TRUE(is_kana(kLongVowelMark));
  EXPECT_FALSE(is_kana(0x30FB));  // the middle dot beside it
  EXPECT_FALSE(is_kana(0x3094));  // ゔ, past the hiragana row
  EXPECT_FALSE(is_kana(0x30F7));
}

TEST(KanaLayout, ThreeByteUtf8AsTheConverterWritesAndReadsIt) {
  for (char32_t c = 0x800; c <= 0xFFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;  // no characters
    std::string bytes;
    append_utf8_three(c, bytes);
    ASSERT_EQ(bytes, scoretext::testing::iconv_converted("UTF-8", "UTF-32BE", utf32be(c))) << std::hex << u(c);
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
    ASSERT_EQ(u(three_byte_utf8(p, 3)), u(c));
    // Cut short, it reads nothing; it never reads past what it is given.
    ASSERT_EQ(u(three_byte_utf8(p, 2)), 0u);
  }
  // Not a three-byte sequence: ASCII, a two-byte lead, a missing continuation.
  const std::uint8_t ascii[] = {'a', 'b', 'c'};
  const std::uint8_t two_byte[] = {0xC3, 0xA9, 0x80};
  const std::uint8_t broken[] = {0xE3, 0x81, 0x41};
  EXPECT_EQ(u(three_byte_utf8(ascii, 3)), 0u);
  EXPECT_EQ(u(three_byte_utf8(two_byte, 3)), 0u);
  EXPECT_EQ(u(three_byte_utf8(broken, 3)), 0u);
}

TEST(KanaLayout, HiraganaAndKatakanaOfOneSoundAreOneStepApart) {
  if (!have_cp932()) GTEST_SKIP() << "no CP932 converter";
  // あ and ア, ん and ン, as the converter reads their pairs.
  EXPECT_EQ(u(cp932_code_point(0x82, 0xA0) + kHiraganaToKatakana), u(cp932_code_point(0x83, 0x41)));
  EXPECT_EQ(u(cp932_code_point(0x82, 0xF1) + kHiraganaToKatakana), u(cp932_code_point(0x83, 0x93)));
}

}  // namespace
}  // namespace scoretext::text
