#include "vocal/vocal_note.h"

#include <numeric>

#include <gtest/gtest.h>

#include "frontend/score_tables.h"
#include "vocal/vocal_test_kit.h"

namespace scoretext::vocal {
namespace {

using testing::message_of;
using testing::read_part;

using Ticks = std::vector<std::int64_t>;

// "N480 R240": kind and length of every record, or the error report.
std::string shape_of(std::string_view input) {
  const auto r = read_part(input);
  if (!r.error.empty()) return r.error;
  std::string out;
  for (const VocalRecord& rec : r.table) {
    if (!out.empty()) out += ' ';
    out += "NBTVR"[static_cast<int>(rec.kind)] + std::to_string(rec.length);
  }
  return out;
}

TEST(VocalNote, NotesStartFromTheGivenStyle) {
  const NoteStyle style{1, 2, 3, 4, 1, 6, 1};
  const auto r = read_part("4 C3 DA:99 VEL:7;4 D3", style);
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.table[0].style.accent, 99);
  EXPECT_EQ(r.table[0].style.bend_depth, 2);
  EXPECT_EQ(r.table[0].velocity, 7);
  EXPECT_EQ(r.table[1].style.accent, 1);
  EXPECT_EQ(r.table[1].style.opening, 6);
  EXPECT_EQ(r.table[1].style.rise_portamento, 1);
  EXPECT_EQ(r.table[1].velocity, 64);
}

TEST(VocalNote, LengthsBracketsRestsAndTies) {
  EXPECT_EQ(shape_of("14.. C3;64.. C3;4 ]3 C3;64 ]9 X;4 X"), "N13440 N52 N160 R3 R480");
  EXPECT_EQ(shape_of("4 ) C3;4 );8 ]3;4 X"), "N1040 R480");
  EXPECT_EQ(shape_of("4 S0 C3;4 S2 C3;4 X;4 DL C3;4 DL4 C3"), "N480 N120 R360 R600 N360 R15 N465");
  EXPECT_EQ(message_of("4 ) S0 C3"), Msg::TiePending);
  EXPECT_EQ(message_of("4 S0 &101 C3"), Msg::ArticulationWithTie);
}

TEST(VocalNote, DelayAndStaccatoPiecesAlwaysAddUpToTheLength) {
  const char* tokens[] = {"DL", "DL1", "DL2", "DL3", "DL4", "S", "S0", "S1", "S2", "S3", "S4", "S5", "S6", "S7", "S8"};
  for (const auto& length : kLengthTicks) {
    for (int bracket = 1; bracket <= 9; ++bracket) {
      const std::string group = std::string(length.token) + (bracket > 1 ? " ]" + std::to_string(bracket) : "");
      for (const char* token : tokens) {
        const std::string input = group + " " + token + " C3";
        const auto r = read_part(input);
        ASSERT_EQ(r.error, "") << input;
        std::int64_t total = 0;
        for (const VocalRecord& rec : r.table) total += rec.length;
        EXPECT_EQ(total, length.ticks / bracket) << input;
        // An empty rest after the note is never appended.
        EXPECT_NE(r.table.back().length, 0) << input;
      }
    }
  }
}

TEST(VocalNote, TheStaccatoDefaultActsAsTheStaccatoToken) {
  for (int n = 1; n <= 8; ++n) {
    EXPECT_EQ(shape_of("SS " + std::to_string(n) + ";4 C3"), shape_of("4 S" + std::to_string(n) + " C3")) << n;
  }
  EXPECT_EQ(shape_of("SS 2;4 S0 C3;4 DL C3"), "N480 R120 N360");
  EXPECT_EQ(shape_of("SS 2;SS 0;4 C3"), "N480");
}

TEST(ArticulationPieces, UnevenSplitsGiveTheLastPieceTheRest) {
  EXPECT_EQ(articulation_pieces(104, 480), (Ticks{120, 360}));
  EXPECT_EQ(articulation_pieces(109, 480), (Ticks{30, 60, 390}));
  EXPECT_EQ(articulation_pieces(111, 480), (Ticks{15, 30, 435}));
  EXPECT_EQ(articulation_pieces(116, 480), (Ticks{68, 68, 68, 68, 68, 68, 72}));
  EXPECT_EQ(articulation_pieces(118, 100), (Ticks{12, 12, 24, 52}));
  EXPECT_EQ(articulation_pieces(119, 100), (Ticks{48, 24, 12, 16}));
  EXPECT_EQ(articulation_pieces(120, 100), (Ticks{6, 6, 12, 24, 52}));
  EXPECT_EQ(articulation_pieces(121, 100), (Ticks{48, 24, 12, 6, 10}));
  EXPECT_EQ(articulation_pieces(122, 480), (Ticks{480}));
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

TEST(VocalNote, OnlyTheFirstPieceOfASplitNoteCarriesTheCurves) {
  const auto r = read_part("4 &101 D3 V9 \"la[l a]\" DYN:1,2 OPE:3");
  ASSERT_EQ(r.error, "");
  ASSERT_EQ(r.table.size(), 2u);
  for (const VocalRecord& n : r.table) {
    EXPECT_EQ(n.articulation, 102);
    EXPECT_EQ(n.velocity, 9);
    EXPECT_EQ(n.phonetic, "l a");
    EXPECT_TRUE(n.phonetic_lock);
    EXPECT_EQ(n.style.opening, 3);
  }
  ASSERT_NE(r.table[0].controls, nullptr);
  EXPECT_EQ(r.table[0].control_span, 480);
  EXPECT_EQ(r.table[1].controls, nullptr);
  for (const char* bad : {"&1010", "&10A", "&+10", "&099", "&"}) {
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

TEST(VocalNote, PitchEdges) {
  const auto pitch = [](std::string_view input) {
    const auto r = read_part(input);
    EXPECT_EQ(r.error, "") << input;
    return r.table.empty() ? -1 : r.table[r.table.size() - 1].note_number;
  };
  EXPECT_EQ(pitch("4 C3##"), 62);
  EXPECT_EQ(pitch("SK B 0;4 B3"), 70);
  EXPECT_EQ(pitch("SK #7 1;4 B3B"), 71);
  EXPECT_EQ(pitch("SN 18;4 G3"), 68);
  EXPECT_EQ(pitch("SN 2;SK #4 0;4 D3"), 62);
  for (const char* bad : {"H3", "C-2", "C", "C3NN"}) {
    EXPECT_EQ(message_of(std::string("4 ") + bad), Msg::VocalNoteToken) << bad;
  }
}

TEST(VocalNote, VelocityTokenIsAVAndADigitRightAfterTheNote) {
  EXPECT_EQ(read_part("4 C3 V127").table[0].velocity, 127);
  EXPECT_EQ(read_part("4 C3 \"a\" VEL:6").table[0].velocity, 6);
  EXPECT_EQ(message_of("4 C3 V1X"), Msg::Malformed);
  EXPECT_EQ(message_of("4 C3 V+1"), Msg::AttributeUnknown);
  EXPECT_EQ(message_of("4 C3 \"a\" V100"), Msg::AttributeUnknown);
}

TEST(VocalNote, LyricTokens) {
  const auto r = read_part("4 C3 \"La\";4 C3 \"[]\";4 C3 \"x[p]tail\";4 C3 \"\";4 C3 \"\x82\xB3[s a]\"");
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.table[0].lyric, "La");
  EXPECT_EQ(r.table[0].phonetic, "a");
  EXPECT_FALSE(r.table[0].phonetic_lock);
  EXPECT_EQ(r.table[1].lyric, "");
  EXPECT_EQ(r.table[1].phonetic, "");
  EXPECT_TRUE(r.table[1].phonetic_lock);
  EXPECT_EQ(r.table[2].lyric, "x");
  EXPECT_EQ(r.table[2].phonetic, "p");
  EXPECT_EQ(r.table[3].lyric, "");
  EXPECT_EQ(r.table[4].lyric, "\xE3\x81\x95");
  EXPECT_EQ(r.table[4].phonetic, "s a");
  EXPECT_EQ(message_of("4 C3 \"a]b[c\""), Msg::PhoneticBracket);
  // The phonetic text is checked first.
  EXPECT_EQ(message_of("4 C3 \"" + std::string(21, 'a') + "[" + std::string(21, 'b') + "]\""), Msg::PhoneticText);
}

TEST(VocalNote, LyAndPhTokens) {
  const auto r = read_part("4 C3 LY\"Lo w\" PH\"l o\";4 C3 \"x\" PH\"y\";4 C3 V1 \"x\";4 C3 ly\"q\"");
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.table[0].lyric, "Lo w");
  EXPECT_EQ(r.table[0].phonetic, "l o");
  EXPECT_TRUE(r.table[0].phonetic_lock);
  EXPECT_EQ(r.table[1].phonetic, "y");
  EXPECT_EQ(r.table[3].lyric, "q");
  EXPECT_FALSE(r.table[3].phonetic_lock);
  EXPECT_EQ(message_of("4 C3 LY\"x\" LY\"z\""), Msg::LyricText);
  EXPECT_EQ(message_of("4 C3 LY\"x\" \"z\""), Msg::AttributeUnknown);
  EXPECT_EQ(message_of("4 C3 LY"), Msg::AttributeUnknown);
  EXPECT_EQ(message_of("4 C3 LY\"" + std::string(21, 'a') + "\""), Msg::LyricText);
  EXPECT_EQ(message_of("4 C3 PH\"" + std::string(21, 'a') + "\""), Msg::PhoneticText);
}

TEST(VocalNote, TextsRefuseControlBytesButTheTab) {
  const auto tab = read_part("4 C3 \"a\tb[c\td]\"");
  ASSERT_EQ(tab.error, "");
  EXPECT_EQ(tab.table[0].lyric, "a\tb");
  EXPECT_EQ(tab.table[0].phonetic, "c\td");
  for (const char c : {'\0', '\x01', '\r', '\x1F'}) {
    const std::string bad(1, c);
    EXPECT_EQ(message_of("4 C3 LY\"" + bad + "\""), Msg::LyricText) << int(c);
    EXPECT_EQ(message_of("4 C3 PH\"" + bad + "\""), Msg::PhoneticText) << int(c);
    // Outside the texts the byte is an ordinary character.
    EXPECT_EQ(message_of("4 C3 \"a[b]" + bad + "\""), Msg::Count_) << int(c);
  }
  EXPECT_EQ(message_of("4 C3 \"a\x7F\""), Msg::Count_);
}

}  // namespace
}  // namespace scoretext::vocal
