#include "lyric/lyric_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/line_reader.h"
#include "frontend/testing.h"
#include "frontend/tool_error.h"
#include "lyric/limits.h"
#include "lyric/normalise.h"

namespace scoretext::lyric {
namespace {

using scoretext::testing::thrown_message;
using scoretext::testing::cp932_by_iconv;

std::string utf8(char32_t cp) {
  std::string s;
  s.push_back(static_cast<char>(0xE0 | (cp >> 12)));
  s.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
  s.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  return s;
}

std::string normal(std::string_view line) {
  std::string out;
  normalise_line(line, out);
  return out;
}

Msg normalise_failure(std::string_view line) {
  return thrown_message([&] { normal(line); });
}

// The entries of a lyric file.
std::vector<std::string> entries(std::string_view file) {
  LineReader lines(file, 99999);
  const LyricTable table = read_lyrics(lines);
  std::vector<std::string> out;
  for (std::size_t i = 0; i < table.size(); ++i) out.emplace_back(table[i]);
  return out;
}

// Entries as the lyric file holds them, written here in UTF-8.
std::vector<std::string> sjis(std::initializer_list<std::string> utf8_entries) {
  std::vector<std::string> out;
  for (const std::string& e : utf8_entries) out.push_back(cp932_by_iconv(e));
  return out;
}

ToolError read_error(std::string_view file) {
  LineReader lines(file, 99999);
  try {
    read_lyrics(lines);
  } catch (const ToolError& e) {
    return e;
  }
  ADD_FAILURE() << "no error for: " << file;
  return ToolError(Msg::Count_);
}

// `head`, `count` letters x, then `tail`.
std::string xs(std::string_view head, std::size_t count, std::string_view tail) {
  std::string s(head);
  s.append(count, 'x');
  s.append(tail);
  return s;
}

TEST(LyricNormalise, EveryKanaInUtf8BecomesItsShiftJisForm) {
  for (const auto& [first, last] : {std::pair{0x3041, 0x3093}, {0x30A1, 0x30F6}, {0x30FC, 0x30FC}}) {
    for (char32_t cp = first; cp <= static_cast<char32_t>(last); ++cp) {
      const std::string sjis = cp932_by_iconv(utf8(cp));
      ASSERT_EQ(sjis.size(), 2u) << std::hex << static_cast<unsigned>(cp);
      EXPECT_EQ(normal(utf8(cp)), sjis) << std::hex << static_cast<unsigned>(cp);
      EXPECT_EQ(normal(sjis), sjis) << std::hex << static_cast<unsigned>(cp);
    }
  }
  // Just outside the kana rows.
  for (char32_t cp : {0x3040, 0x3094, 0x30A0, 0x30F7, 0x30FB}) {
    EXPECT_EQ(normalise_failure(utf8(cp)), Msg::LyricBadCharacter) << std::hex << static_cast<unsigned>(cp);
  }
}

TEST(LyricNormalise, FullWidthFormsInBothEncodingsBecomeAscii) {
  const std::string full = "　［］’￥４＠｛＿ＡＺａｚ";
  EXPECT_EQ(normal(full), " []'\\4@{_AZaz");
  EXPECT_EQ(normal(cp932_by_iconv(full)), " []'\\4@{_AZaz");
  EXPECT_EQ(normal("-"), "\x81\x5B");
  EXPECT_EQ(normal("ー"), "\x81\x5B");
  const std::string kept = "AZaz[] '\\4@{:_0";
  EXPECT_EQ(normal(kept), kept);
}

TEST(LyricNormalise, EverythingElseIsRefused) {
  for (const std::string& line : std::vector<std::string>{"1", "9", ".", ",", "\"", ";", "\t", std::string(1, '\0'), "~", "/",
                                 std::string("漢"), std::string("；"), cp932_by_iconv("漢"),
                                 cp932_by_iconv("；"), cp932_by_iconv("ａ").substr(0, 1),
                                 std::string("\xE3\x81"), std::string("\x82\x9F").substr(0, 1)}) {
    EXPECT_EQ(normalise_failure("a" + line), Msg::LyricBadCharacter) << line;
  }
}

TEST(LyricFile, KanaCutIntoSyllables) {
  EXPECT_EQ(entries("さくら さくら\n"), sjis({"さ", "く", "ら", "さ", "く", "ら"}));
  // Two-kana syllables win over their first kana alone, in both scripts.
  EXPECT_EQ(entries("きゃく シュ しゅー ふぁ ファ うぃ いぇ"),
            sjis({"きゃ", "く", "シュ", "しゅ", "ー", "ふぁ", "ファ", "うぃ", "いぇ"}));
  // A kana that cannot start a two-kana syllable stands alone.
  EXPECT_EQ(entries("きぃ"), sjis({"き", "ぃ"}));
}

TEST(LyricFile, KanaOutsideTheTablesIsNoSyllable) {
  for (const char* kana : {"っ", "ゃ", "ゅ", "ょ", "ッ", "ャ", "ゎ", "ゐ", "ゑ", "ヴ", "ヵ", "ヶ"}) {
    EXPECT_EQ(read_error(std::string("さ ") + kana).message(), Msg::LyricNotSyllable) << kana;
  }
}

TEST(LyricFile, WordsAndBrackets) {
  EXPECT_EQ(entries("sakura la[l a] la"), sjis({"sakura", "la[l a]", "la"}));
  EXPECT_EQ(entries("さ[s a] さ [s a]"), sjis({"さ[s a]", "さ", "[s a]"}));
  // A word ends before a kana outside brackets, and after the first ']'.
  EXPECT_EQ(entries("la-"), sjis({"la", "ー"}));
  EXPECT_EQ(entries("la[ら]ra]x"), sjis({"la[ら]", "ra]", "x"}));
  EXPECT_EQ(entries("]a ok'4@{:_0\\"), sjis({"]", "a", "ok'4@{:_0\\"}));
}

TEST(LyricFile, BracketsAreNeverTheSecondByteOfAKana) {
  // ー ゼ ゾ end in the bytes of '[' and ']' in Shift_JIS.
  const std::string line = cp932_by_iconv("ゼゾー[ゼ ゾ]ー");
  EXPECT_EQ(entries(line), sjis({"ゼ", "ゾ", "ー[ゼ ゾ]", "ー"}));
  EXPECT_EQ(read_error(cp932_by_iconv("[ゼ")).message(), Msg::LyricNoClosingBracket);
}

TEST(LyricFile, WordErrors) {
  EXPECT_EQ(read_error("[s a").message(), Msg::LyricNoClosingBracket);
  EXPECT_EQ(read_error("さ[s a").message(), Msg::LyricNoClosingBracket);
  EXPECT_EQ(read_error("[a[b]").message(), Msg::LyricTwoBrackets);
  EXPECT_EQ(read_error("a 4").message(), Msg::LyricNotSyllable);
  EXPECT_EQ(read_error("a 'b").message(), Msg::LyricNotSyllable);
  // Normalisation comes first: a bad character later on the line wins.
  EXPECT_EQ(read_error("っ 1").message(), Msg::LyricBadCharacter);
}

TEST(LyricFile, EntryOfAtMost39Bytes) {
  EXPECT_EQ(entries(std::string(39, 'a')), std::vector<std::string>{std::string(39, 'a')});
  EXPECT_EQ(read_error(std::string(40, 'a')).message(), Msg::LyricTooLong);
  // A syllable and its bracket word count together: 2 + 37, then 2 + 38.
  EXPECT_EQ(entries(xs("さ[", 35, "]")).size(), 1u);
  EXPECT_EQ(read_error(xs("さ[", 36, "]")).message(), Msg::LyricTooLong);
  // Bytes are counted after normalisation: a kana written in UTF-8 counts two.
  EXPECT_EQ(entries(xs("[", 35, "さ]")).size(), 1u);
  EXPECT_EQ(read_error(xs("[", 36, "さ]")).message(), Msg::LyricTooLong);
}

TEST(LyricFile, LinesCommentsAndErrorPlaces) {
  EXPECT_EQ(entries("// only a comment\n\n   \r\nら // り\r\nla//x\n"), sjis({"ら", "la"}));
  const ToolError e = read_error("さ\n\nく // fine\nla[x // note\n");
  EXPECT_EQ(e.report(), scoretext::testing::report(Msg::LyricNoClosingBracket, ":4 la[x // note\n"));
  const std::string too_long(99999, 'a');
  const ToolError long_line = read_error("a\n" + too_long + "b\n");
  EXPECT_EQ(long_line.message(), Msg::LineTooLong);
  EXPECT_EQ(long_line.line(), 2);
  EXPECT_EQ(long_line.detail(), too_long);
  EXPECT_EQ(entries(std::string(99998, ' ') + "\nok").size(), 1u);
}

TEST(LyricFile, AtMostAMillionEntries) {
  // 25 lines of 40000 one-letter words, each line ending in blanks.
  std::string line;
  for (int i = 0; i < 40000; ++i) line += "a ";
  std::string file;
  for (int i = 0; i < 25; ++i) file += line + "\n";
  LineReader lines(file, 99999);
  EXPECT_EQ(read_lyrics(lines).size(), limits::kEntries);
  const ToolError e = read_error(file + "  \n b");
  EXPECT_EQ(e.message(), Msg::LyricTooMany);
  EXPECT_EQ(e.line(), 27);
}

}  // namespace
}  // namespace scoretext::lyric
