#include "vocal/vocal_note.h"

#include <numeric>

#include <gtest/gtest.h>

#include "frontend/score_tables.h"
#include "frontend/testing.h"
#include "vocal/vocal_test_kit.h"

namespace scoretext::vocal {
namespace {

using scoretext::testing::report;
using testing::message_of;
using testing::read_part;

using Ticks = std::vector<std::int64_t>;

// "N480 R240": kind and length of every record.
std::string shape(const EventTable& table) {
  std::string out;
  for (const VocalRecord& r : table) {
    if (!out.empty()) out += ' ';
    out += "NBTVR"[static_cast<int>(r.kind)] + std::to_string(r.length);
  }
  return out;
}

std::string shape_of(std::string_view input) {
  const auto r = read_part(input);
  return r.error.empty() ? shape(r.table) : r.error;
}


int pitch(std::string_view input) {
  const auto r = read_part(input);
  EXPECT_EQ(r.error, "") << input;
  return r.error.empty() && !r.table.empty() ? r.table.back().note_number : -1;
}

TEST(VocalNote, APlainNote) {
  const auto r = read_part("4 C3");
  ASSERT_EQ(r.error, "");
  ASSERT_EQ(r.table.size(), 1u);
  const VocalRecord& n = r.table[0];
  EXPECT_EQ(n.kind, RecordKind::Note);
  EXPECT_EQ(n.length, 480);
  EXPECT_EQ(n.note_number, 60);
  EXPECT_EQ(n.velocity, 64);
  EXPECT_EQ(n.lyric, "a");
  EXPECT_EQ(n.phonetic, "a");
  EXPECT_FALSE(n.phonetic_lock);
  EXPECT_EQ(n.articulation, 0);
  EXPECT_EQ(n.controls, nullptr);
  EXPECT_EQ(n.control_span, 0);
}

TEST(VocalNote, NotesStartFromTheGivenStyle) {
  NoteStyle style{1, 2, 3, 4, 1, 6, 1};
  const auto r = read_part("4 C3 DA:99;4 D3", style);
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.table[0].style.accent, 99);
  EXPECT_EQ(r.table[0].style.bend_depth, 2);
  EXPECT_EQ(r.table[1].style.accent, 1);
  EXPECT_EQ(r.table[1].style.opening, 6);
  EXPECT_EQ(r.table[1].style.rise_portamento, 1);
}

TEST(VocalNote, LengthsBracketsAndRests) {
  EXPECT_EQ(shape_of("14.. C3;64.. C3;4 ]3 C3;64 ]9 X;4 X"), "N13440 N52 N160 R3 R480");
  EXPECT_EQ(message_of("4"), Msg::Extra);
  EXPECT_EQ(message_of("4 ]3"), Msg::Extra);
  EXPECT_EQ(message_of("4 S"), Msg::Extra);
  EXPECT_EQ(message_of("4 &101"), Msg::Extra);
  EXPECT_EQ(message_of("4 X C3"), Msg::Extra);
  EXPECT_EQ(message_of("4 ) X"), Msg::TiePending);
  EXPECT_EQ(message_of("4 ]1 C3"), Msg::VocalNoteToken);
}

TEST(VocalNote, TiesAndTheirContinuations) {
  EXPECT_EQ(shape_of("4 ) C3;4"), "N960");
  EXPECT_EQ(shape_of("4 ) C3;4 );8 ]3;4 X"), "N1040 R480");
  EXPECT_EQ(message_of("4 ) C3;4 C3"), Msg::Extra);
  EXPECT_EQ(message_of("4 ) C3;4 X"), Msg::TiePending);
  EXPECT_EQ(message_of("4 ) C3;SB 4/4"), Msg::TiePending);
  EXPECT_EQ(message_of("4 ) DL C3"), Msg::TiePending);
  EXPECT_EQ(message_of("4 ) S0 C3"), Msg::TiePending);
  EXPECT_EQ(message_of("4 ) &101 C3"), Msg::ArticulationWithTie);
  EXPECT_EQ(message_of("SS 1;4 ) C3"), Msg::TiePending);
  EXPECT_EQ(message_of("SS 1;4 &101 C3"), Msg::ArticulationWithTie);
  EXPECT_EQ(message_of("4 S &101 C3"), Msg::ArticulationWithTie);
  EXPECT_EQ(message_of("4 DL &101 C3"), Msg::ArticulationWithTie);
}

TEST(VocalNote, LongTieChainsDoNotWrap) {
  std::string input = "14.. ) C3\n";
  for (int i = 0; i < 160'000; ++i) input += "14.. )\n";
  input += "14..\n4 C3 DYN:1\n";
  const auto r = read_part(input);
  ASSERT_EQ(r.error, "");
  ASSERT_EQ(r.table.size(), 2u);
  EXPECT_EQ(r.table[0].length, 13440LL * 160'002);
  EXPECT_GT(r.table[0].length, INT32_MAX);
}

TEST(VocalNote, DelayAndStaccatoRows) {
  EXPECT_EQ(shape_of("4 S C3"), "N240 R240");
  EXPECT_EQ(shape_of("4 S0 C3"), "N480");
  EXPECT_EQ(shape_of("4 S2 C3"), "N120 R360");
  EXPECT_EQ(shape_of("4 S3 C3;4 S4 C3"), "N160 R320 N360 R120");
  EXPECT_EQ(shape_of("4 S8 C3"), "N160 R320");
  EXPECT_EQ(shape_of("4 X;4 DL C3"), "R600 N360");
  EXPECT_EQ(shape_of("4 C3;4 DL1 C3"), "N480 R120 N360");
  EXPECT_EQ(shape_of("4 C3;4 DL4 C3"), "N480 R15 N465");
  // An odd length: the rest after takes what the note leaves.
  EXPECT_EQ(shape_of("64 ]9 S C3"), "N1 R2");
  EXPECT_EQ(shape_of("64 ]9 S1 C3"), "N1 R2");
  // An empty rest after is not appended.
  EXPECT_EQ(shape_of("64 ]9 S7 C3"), "N3");
}

TEST(VocalNote, DelayAndStaccatoPiecesAlwaysAddUpToTheLength) {
  const char* tokens[] = {"DL", "DL1", "DL2", "DL3", "DL4", "S", "S0", "S1", "S2",
                          "S3", "S4",  "S5",  "S6",  "S7",  "S8"};
  for (const auto& length : kLengthTicks) {
    for (int bracket = 1; bracket <= 9; ++bracket) {
      const std::string group =
          std::string(length.token) + (bracket > 1 ? " ]" + std::to_string(bracket) : std::string());
      for (const char* token : tokens) {
        const std::string input = group + " " + token + " C3";
        const auto r = read_part(input);
        ASSERT_EQ(r.error, "") << input;
        std::int64_t total = 0;
        for (const VocalRecord& rec : r.table) total += rec.length;
        EXPECT_EQ(total, length.ticks / bracket) << input;
      }
    }
  }
}

TEST(VocalNote, TheStaccatoDefaultActsAsTheStaccatoToken) {
  for (int n = 1; n <= 8; ++n) {
    const std::string set = "SS " + std::to_string(n) + ";";
    EXPECT_EQ(shape_of(set + "4 C3"), shape_of("4 S" + std::to_string(n) + " C3")) << n;
  }
  EXPECT_EQ(shape_of("SS 2;4 S0 C3;4 DL C3"), "N480 R120 N360");
  EXPECT_EQ(shape_of("SS 2;SS 0;4 C3"), "N480");
}

TEST(ArticulationPieces, ExamplesAndTheTicksOfUnevenSplits) {
  EXPECT_EQ(articulation_pieces(102, 480), (Ticks{240, 240}));
  EXPECT_EQ(articulation_pieces(104, 480), (Ticks{120, 360}));
  EXPECT_EQ(articulation_pieces(107, 480), (Ticks{15, 465}));
  EXPECT_EQ(articulation_pieces(108, 480), (Ticks{30, 30, 420}));
  EXPECT_EQ(articulation_pieces(109, 480), (Ticks{30, 60, 390}));
  EXPECT_EQ(articulation_pieces(110, 480), (Ticks{15, 15, 450}));
  EXPECT_EQ(articulation_pieces(111, 480), (Ticks{15, 30, 435}));
  EXPECT_EQ(articulation_pieces(113, 480), (Ticks{120, 120, 120, 120}));
  EXPECT_EQ(articulation_pieces(116, 480), (Ticks{68, 68, 68, 68, 68, 68, 72}));
  EXPECT_EQ(articulation_pieces(118, 480), (Ticks{60, 60, 120, 240}));
  EXPECT_EQ(articulation_pieces(119, 480), (Ticks{240, 120, 60, 60}));
  EXPECT_EQ(articulation_pieces(120, 480), (Ticks{30, 30, 60, 120, 240}));
  EXPECT_EQ(articulation_pieces(121, 480), (Ticks{240, 120, 60, 30, 30}));
  EXPECT_EQ(articulation_pieces(118, 100), (Ticks{12, 12, 24, 52}));
  EXPECT_EQ(articulation_pieces(121, 100), (Ticks{48, 24, 12, 6, 10}));
  EXPECT_EQ(articulation_pieces(122, 480), (Ticks{480}));
  EXPECT_EQ(articulation_pieces(201, 7), (Ticks{7}));
}

TEST(ArticulationPieces, EverySplitKeepsEveryTick) {
  const std::size_t counts[] = {2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 4, 5, 6, 7, 8, 4, 4, 5, 5};
  for (int code = 102; code <= 201; ++code) {
    for (std::int64_t length = 0; length <= 13440; length += (length < 200 ? 1 : 97)) {
      const Ticks pieces = articulation_pieces(code, length);
      ASSERT_EQ(std::accumulate(pieces.begin(), pieces.end(), std::int64_t{0}), length) << code << " " << length;
      ASSERT_EQ(pieces.size(), code <= 121 ? counts[code - 102] : 1u) << code;
      for (const std::int64_t p : pieces) ASSERT_GE(p, 0) << code << " " << length;
    }
  }
}

TEST(VocalNote, ArticulationCodesSplitTheNote) {
  EXPECT_EQ(shape_of("4 &101 C3"), "N240 N240");
  EXPECT_EQ(shape_of("4 &103 C3"), "N120 N360");
  EXPECT_EQ(shape_of("4 &112 C3"), "N120 N120 N120 N120");
  EXPECT_EQ(shape_of("4 &150 C3"), "N480");
  EXPECT_EQ(shape_of("4 &115 C3"), "N68 N68 N68 N68 N68 N68 N72");
  const auto r = read_part("4 &101 D3 V9 \"la[l a]\" DYN:1,2 OPE:3");
  ASSERT_EQ(r.error, "");
  ASSERT_EQ(r.table.size(), 2u);
  for (const VocalRecord& n : r.table) {
    EXPECT_EQ(n.articulation, 102);
    EXPECT_EQ(n.note_number, 62);
    EXPECT_EQ(n.velocity, 9);
    EXPECT_EQ(n.lyric, "la");
    EXPECT_EQ(n.phonetic, "l a");
    EXPECT_TRUE(n.phonetic_lock);
    EXPECT_EQ(n.style.opening, 3);
  }
  // Only the first piece carries the curves, spread over the whole note.
  ASSERT_NE(r.table[0].controls, nullptr);
  EXPECT_EQ(r.table[0].control_span, 480);
  EXPECT_EQ(r.table[1].controls, nullptr);
  EXPECT_EQ(shape_of("4 &200 C3"), "N480");
  for (const char* bad : {"&100", "&201", "&", "&1010", "&10A", "&+10", "&099"}) {
    EXPECT_EQ(message_of(std::string("4 ") + bad + " C3"), Msg::ArticulationCode) << bad;
  }
}

TEST(VocalNote, ControlSpanIsTheLengthAfterDelayOrStaccatoAndIgnoresTies) {
  const auto r = read_part("4 S C3 PIT:1;4 X;4 ) D3 DYN:0,127;4;4 E3");
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.table[0].control_span, 240);
  EXPECT_EQ(r.table[3].length, 960);
  EXPECT_EQ(r.table[3].control_span, 480);
  EXPECT_EQ(r.table[4].control_span, 0);
  ASSERT_NE(r.table[3].controls, nullptr);
  const auto& dyn = r.table[3].controls->lists[kDyn];
  ASSERT_NE(dyn, nullptr);
  EXPECT_EQ(dyn->count, 2);
  EXPECT_EQ(dyn->values[1], 127);
}

TEST(VocalNote, Pitch) {
  EXPECT_EQ(pitch("4 C-1"), 12);
  EXPECT_EQ(pitch("4 B7"), 119);
  EXPECT_EQ(pitch("4 C3BB"), 58);
  EXPECT_EQ(pitch("4 C3##"), 62);
  EXPECT_EQ(pitch("SK #1 0;4 F3"), 66);
  EXPECT_EQ(pitch("SK #1 0;4 F3N"), 65);
  EXPECT_EQ(pitch("SK #1 0;4 F3#"), 67);
  EXPECT_EQ(pitch("SK #1 0;SSN F;4 F3"), 65);
  EXPECT_EQ(pitch("SK #1 0;SSN F;SRN F;4 F3"), 66);
  EXPECT_EQ(pitch("SK #1 0;SSN F;4 F3#"), 66);
  EXPECT_EQ(pitch("SK B7 0;4 C3"), 59);
  EXPECT_EQ(pitch("SK B 0;4 B3"), 70);
  EXPECT_EQ(pitch("SK #7 1;4 B3B"), 71);
  EXPECT_EQ(pitch("SN 1;4 E3"), 63);
  EXPECT_EQ(pitch("SN 18;4 G3"), 68);
  EXPECT_EQ(pitch("SN 2;SK #4 0;4 D3"), 62);
  EXPECT_EQ(pitch("SC 30;4 B7"), 127);
  EXPECT_EQ(pitch("SC -30;4 C-1BB"), 0);
  EXPECT_EQ(pitch("SC -5;4 C3"), 55);
  for (const char* bad : {"H3", "C8", "C-2", "C3X", "C3#B", "C", "3C", "C3NN", "X3"}) {
    EXPECT_EQ(message_of(std::string("4 ") + bad), Msg::VocalNoteToken) << bad;
  }
}

TEST(VocalNote, Velocity) {
  const auto r = read_part("4 C3 V0;4 C3 V127;4 C3 VEL:5;4 C3 \"a\" VEL:6");
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.table[0].velocity, 0);
  EXPECT_EQ(r.table[1].velocity, 127);
  EXPECT_EQ(r.table[2].velocity, 5);
  EXPECT_EQ(r.table[3].velocity, 6);
  EXPECT_EQ(message_of("4 C3 V128"), Msg::NoteOnVelocityRange);
  EXPECT_EQ(message_of("4 C3 V1X"), Msg::Malformed);
  // A velocity token is a V and a digit; anything else there is no token.
  EXPECT_EQ(message_of("4 C3 V+1"), Msg::AttributeUnknown);
  EXPECT_EQ(message_of("4 C3 V100 VEL:90"), Msg::AttributeVelocity);
  EXPECT_EQ(message_of("4 C3 \"a\" V100"), Msg::AttributeUnknown);
}

TEST(VocalNote, LyricAndPhoneticTexts) {
  const std::string sjis = "4 C3 \"\x82\xB3[s a]\"";
  const std::string utf8 = "4 C3 \"\xE3\x81\x95[s a]\"";
  for (const std::string& input : {sjis, utf8}) {
    const auto r = read_part(input);
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.table[0].lyric, "\xE3\x81\x95");
    EXPECT_EQ(r.table[0].phonetic, "s a");
    EXPECT_TRUE(r.table[0].phonetic_lock);
  }
  const auto plain = read_part("4 C3 \"La\";4 C3 \"[]\";4 C3 \"x[p]tail\";4 C3 \"\"");
  ASSERT_EQ(plain.error, "");
  EXPECT_EQ(plain.table[0].lyric, "La");
  EXPECT_EQ(plain.table[0].phonetic, "a");
  EXPECT_FALSE(plain.table[0].phonetic_lock);
  EXPECT_EQ(plain.table[1].lyric, "");
  EXPECT_EQ(plain.table[1].phonetic, "");
  EXPECT_TRUE(plain.table[1].phonetic_lock);
  EXPECT_EQ(plain.table[2].lyric, "x");
  EXPECT_EQ(plain.table[2].phonetic, "p");
  EXPECT_EQ(plain.table[3].lyric, "");

  EXPECT_EQ(message_of("4 C3 \"a[b\""), Msg::PhoneticBracket);
  EXPECT_EQ(message_of("4 C3 \"a]b[c\""), Msg::PhoneticBracket);
  EXPECT_EQ(message_of("4 C3 \"a\" \"b\""), Msg::AttributeUnknown);
  EXPECT_EQ(message_of("4 C3 DYN:1 \"b\""), Msg::AttributeUnknown);
}

TEST(VocalNote, TextLimitsCountUtf8Bytes) {
  std::string kana_sjis, kana_utf8;
  for (int i = 0; i < 7; ++i) {
    kana_sjis += "\x82\xA0";
    kana_utf8 += "\xE3\x81\x82";
  }
  for (const std::string& seven : {kana_sjis, kana_utf8}) {
    const std::string six = seven.substr(0, seven.size() / 7 * 6);
    EXPECT_EQ(message_of("4 C3 \"" + six + "\""), Msg::Count_);
    EXPECT_EQ(message_of("4 C3 \"" + seven + "\""), Msg::LyricText);
    EXPECT_EQ(message_of("4 C3 \"a[" + six + "]\""), Msg::Count_);
    EXPECT_EQ(message_of("4 C3 \"a[" + seven + "]\""), Msg::PhoneticText);
    EXPECT_EQ(message_of("4 C3 LY\"" + seven + "\""), Msg::LyricText);
    EXPECT_EQ(message_of("4 C3 PH\"" + seven + "\""), Msg::PhoneticText);
  }
  EXPECT_EQ(message_of("4 C3 \"" + std::string(20, 'a') + "\""), Msg::Count_);
  EXPECT_EQ(message_of("4 C3 \"" + std::string(21, 'a') + "\""), Msg::LyricText);
  // The phonetic text is checked first.
  EXPECT_EQ(message_of("4 C3 \"" + std::string(21, 'a') + "[" + std::string(21, 'b') + "]\""), Msg::PhoneticText);
}

TEST(VocalNote, TextsRefuseControlBytesButTheTab) {
  const auto tab = read_part("4 C3 \"a\tb[c\td]\"");
  ASSERT_EQ(tab.error, "");
  EXPECT_EQ(tab.table[0].lyric, "a\tb");
  EXPECT_EQ(tab.table[0].phonetic, "c\td");
  for (const char c : {'\0', '\x01', '\r', '\x1F'}) {
    const std::string bad(1, c);
    EXPECT_EQ(message_of("4 C3 \"a" + bad + "\""), Msg::LyricText) << int(c);
    EXPECT_EQ(message_of("4 C3 \"a[" + bad + "]\""), Msg::PhoneticText) << int(c);
    EXPECT_EQ(message_of("4 C3 LY\"" + bad + "\""), Msg::LyricText) << int(c);
    EXPECT_EQ(message_of("4 C3 PH\"" + bad + "\""), Msg::PhoneticText) << int(c);
    // Outside a text the byte is an ordinary character.
    EXPECT_EQ(message_of("4 C3 \"a[b]" + bad + "\""), Msg::Count_) << int(c);
  }
  EXPECT_EQ(message_of("4 C3 \"a\x7F\""), Msg::Count_);
}

TEST(VocalNote, LyAndPhTokens) {
  const auto r = read_part("4 C3 LY\"Lo w\" PH\"l o\";4 C3 \"x\" PH\"y\";4 C3 V1 \"x\";4 C3 ly\"q\"");
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.table[0].lyric, "Lo w");
  EXPECT_EQ(r.table[0].phonetic, "l o");
  EXPECT_TRUE(r.table[0].phonetic_lock);
  EXPECT_EQ(r.table[1].lyric, "x");
  EXPECT_EQ(r.table[1].phonetic, "y");
  EXPECT_EQ(r.table[2].lyric, "x");
  EXPECT_EQ(r.table[3].lyric, "q");
  EXPECT_FALSE(r.table[3].phonetic_lock);
  // Each text once, the lyric token counting.
  EXPECT_EQ(message_of("4 C3 \"x\" LY\"z\""), Msg::LyricText);
  EXPECT_EQ(message_of("4 C3 LY\"x\" LY\"z\""), Msg::LyricText);
  EXPECT_EQ(message_of("4 C3 \"x[p]\" PH\"z\""), Msg::PhoneticText);
  EXPECT_EQ(message_of("4 C3 PH\"x\" PH\"z\""), Msg::PhoneticText);
  EXPECT_EQ(message_of("4 C3 LY\"x\" \"z\""), Msg::AttributeUnknown);
  EXPECT_EQ(message_of("4 C3 LY"), Msg::AttributeUnknown);
}

}  // namespace
}  // namespace scoretext::vocal
