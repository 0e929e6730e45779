#include "vocal/vocal_reader.h"

#include <gtest/gtest.h>

#include "frontend/testing.h"
#include "vocal/vocal_test_kit.h"

namespace scoretext::vocal {
namespace {

using scoretext::testing::report;
using testing::message_of;
using testing::read_part;

// The kinds of the records, one letter each: N note, R rest, B time
// signature, T tempo, V beat snap.
std::string kinds(const EventTable& table) {
  std::string out;
  for (const VocalRecord& r : table) out += "NBTVR"[static_cast<int>(r.kind)];
  return out;
}

std::vector<std::int64_t> lengths(const EventTable& table) {
  std::vector<std::int64_t> out;
  for (const VocalRecord& r : table) out.push_back(r.length);
  return out;
}


TEST(VocalReader, ErrorsShowTheWholeLineAsRead) {
  EXPECT_EQ(read_part("4 C3\nSB 4/4;4 C3;SB 5/5 // bar\n").error,
            report(Msg::RangeOutside, ":2 SB 4/4;4 C3;SB 5/5 // bar\n"));
  // The line as read: Shift_JIS stays Shift_JIS, macros unexpanded.
  EXPECT_EQ(read_part("=d:K 4 C3 \"\x82\xB3\"\n=m:K Q\r\n").error,
            report(Msg::AttributeUnknown, ":2 =m:K Q\n"));
  EXPECT_EQ(read_part("4 C3 \"\x82\xB3\" 7\n").error, report(Msg::AttributeUnknown, ":1 4 C3 \"\x82\xB3\" 7\n"));
}

TEST(VocalReader, UnusableBytesAreReportedOnTheirOwnLine) {
  EXPECT_EQ(read_part("4 C3\n4 D3;4 E3 \"\xB1\"\n").error,
            report(Msg::UnusableCharacter, ":2 4 D3;4 E3 \"\xB1\"\n"));
  const auto in_comment = read_part("4 C3 // \xB1\xE4\xB8\x80\n4 D3\n");
  EXPECT_EQ(in_comment.error, "");
  EXPECT_EQ(kinds(in_comment.table), "NN");
}

TEST(VocalReader, StatementsThatNothingTakes) {
  EXPECT_EQ(message_of("4 C3;;4 D3"), Msg::Malformed);
  EXPECT_EQ(message_of("SQ 1"), Msg::Malformed);
  EXPECT_EQ(message_of("!PB 100"), Msg::Malformed);
  EXPECT_EQ(message_of("3 C3"), Msg::Malformed);
  EXPECT_EQ(message_of("=d:E  \n=m:E"), Msg::Malformed);
  EXPECT_EQ(message_of(std::string(99999, 'a')), Msg::LineTooLong);
  // Blank lines, blank statements after ";" and comments are no statements.
  EXPECT_EQ(kinds(read_part("\n  \n4 C3; \n// x\n").table), "N");
}

TEST(VocalReader, MacrosAreExpandedBeforeTheTokens) {
  const auto r = read_part("=d:SA 4 C3 \"sa\"\n=m:SA DYN:1\n");
  ASSERT_EQ(r.error, "");
  ASSERT_EQ(kinds(r.table), "N");
  EXPECT_EQ(r.table[0].lyric, "sa");
  EXPECT_NE(r.table[0].controls, nullptr);
}

TEST(VocalSettings, RecordsAndTheirValues) {
  const auto r = read_part("SB 9/16\nST +120\nSV\nSL1;SL2\nSB 8/8\nST 2147483648\n");
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(kinds(r.table), "BTVVVBT");
  EXPECT_EQ(r.table[0].time_signature, 11);
  EXPECT_EQ(r.table[1].tempo, 120);
  EXPECT_EQ(r.table[5].time_signature, 18);
  EXPECT_EQ(r.table[6].tempo, INT32_MAX);
}

TEST(VocalSettings, RangesAndForms) {
  struct Case {
    const char* input;
    Msg message;
  };
  const Case cases[] = {
      {"SB 4/2", Msg::RangeOutside},   {"SB", Msg::RangeOutside},     {"SB 4/4 4", Msg::Extra},
      {"ST 0", Msg::RangeExceeded},    {"ST", Msg::Malformed},        {"ST 1X", Msg::Malformed},
      {"SK #8 0", Msg::Malformed},     {"SK #1 2", Msg::Malformed},   {"SK #1", Msg::Malformed},
      {"SK b7 1 0", Msg::Extra},       {"SC 31", Msg::RangeExceeded}, {"SC -31", Msg::RangeExceeded},
      {"SN 19", Msg::Malformed},       {"SN 05", Msg::Malformed},     {"SN +5", Msg::Malformed},
      {"SS 9", Msg::RangeExceeded},    {"SS -1", Msg::RangeExceeded}, {"SV 1", Msg::Extra},
      {"SSN H", Msg::Malformed},       {"SSN C;SSN C", Msg::Twice},   {"SRN C", Msg::SsnMissing},
      {"SSN C;SRN C;SRN C", Msg::SsnMissing}, {"SSN CC", Msg::Malformed},
  };
  for (const Case& c : cases) EXPECT_EQ(message_of(c.input), c.message) << c.input;
  for (const char* good : {"SK # 1", "SK b 0", "SC 30", "SC -30", "SN 0", "SN 18", "SS 0", "SS 8", "ST 1",
                           "SSN b;SRN B;SSN B"}) {
    EXPECT_EQ(read_part(good).error, "") << good;
  }
}

TEST(VocalSettings, TieAndPatternRefusals) {
  for (const char* s : {"SB 4/4", "ST 1", "SK 0 0", "SC 0", "SV", "SL1", "SN 0", "SS 0", "SSN C", "SRN C", "PS 1",
                        "PE", "PR 1"}) {
    EXPECT_EQ(message_of(std::string("4 ) C3;") + s), Msg::TiePending) << s;
  }
  for (const char* s : {"SB 4/4", "ST 1", "SK 0 0", "SC 0", "SN 0", "SS 0", "SSN C"}) {
    EXPECT_EQ(message_of(std::string("PS 1;") + s), Msg::NeedPE) << s;
  }
  EXPECT_EQ(message_of("SSN C;PS 1;SRN C"), Msg::NeedPE);
  EXPECT_EQ(kinds(read_part("PS 1;SV;SL1;SL2;PE").table), "VVV");
}

TEST(VocalPatterns, Checks) {
  EXPECT_EQ(message_of("PS 1;PS 2"), Msg::InsidePattern);
  EXPECT_EQ(message_of("PS 1;PR 1"), Msg::InsidePattern);
  EXPECT_EQ(message_of("PS 1000"), Msg::PatternRange);
  EXPECT_EQ(message_of("PS -1"), Msg::PatternRange);
  EXPECT_EQ(message_of("PS"), Msg::Malformed);
  EXPECT_EQ(message_of("PS 1 2"), Msg::Extra);
  EXPECT_EQ(message_of("PS 3;PE;PS 3"), Msg::PatternTwice);
  EXPECT_EQ(message_of("PE"), Msg::NoPS);
  EXPECT_EQ(message_of("PS 1;PE;PE"), Msg::NoPS);
  EXPECT_EQ(message_of("PS 1;PE 1"), Msg::Extra);
  EXPECT_EQ(message_of("PS 0;PE;PR 0"), Msg::PatternRange);
  EXPECT_EQ(message_of("PR 1000"), Msg::PatternRange);
  EXPECT_EQ(message_of("PR 5"), Msg::PatternUndefined);
  EXPECT_EQ(message_of("PS 5;4 C3"), Msg::Count_);  // an open pattern at the end is no error
  EXPECT_EQ(message_of("PS 5;4 C3;PE;PS 6;PR 5"), Msg::InsidePattern);
  EXPECT_EQ(message_of("PS 999;PE;PR 999"), Msg::Count_);
}

TEST(VocalPatterns, ReplaysCopyRecordsAndShareTheirCurves) {
  const auto r = read_part("4 C3;PS 7;4 D3 \"la\" DYN:1,2;SV;4 X;PE;PR 7;PR 7;PS 8;PE;PR 8");
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(kinds(r.table), "NNVRNVRNVR");
  EXPECT_EQ(r.table[4].lyric, "la");
  EXPECT_EQ(r.table[4].note_number, r.table[1].note_number);
  ASSERT_NE(r.table[1].controls, nullptr);
  EXPECT_EQ(r.table[4].controls, r.table[1].controls);
  EXPECT_EQ(r.table[7].controls, r.table[1].controls);
}

TEST(VocalPatterns, ADelayRestNeverReachesAcrossAPatternEdge) {
  // A rest before PS stays out of the pattern: the replay is a whole quarter.
  const auto before = read_part("4 X;PS 1;4 DL C3;PE;PR 1");
  ASSERT_EQ(before.error, "");
  EXPECT_EQ(kinds(before.table), "RRNRN");
  EXPECT_EQ(lengths(before.table), (std::vector<std::int64_t>{480, 120, 360, 120, 360}));
  // The pattern's own rest is not lengthened by a delay after PE.
  const auto after = read_part("PS 1;4 X;PE;4 DL C3;PR 1");
  ASSERT_EQ(after.error, "");
  EXPECT_EQ(kinds(after.table), "RRNR");
  EXPECT_EQ(lengths(after.table), (std::vector<std::int64_t>{480, 120, 360, 480}));
  // At the start of the part there is nothing to join.
  const auto first = read_part("4 DL C3");
  EXPECT_EQ(kinds(first.table), "RN");
  // Inside a block, or after a replay, rests still join.
  EXPECT_EQ(lengths(read_part("PS 1;4 X;4 DL C3;PE").table), (std::vector<std::int64_t>{600, 360}));
  EXPECT_EQ(lengths(read_part("PS 1;4 X;PE;PR 1;4 DL C3").table), (std::vector<std::int64_t>{480, 600, 360}));
}

TEST(EventTable, HoldsAMillionRecordsAndRefusesOneMore) {
  // A pattern of 1000 records (each statement splits into eight notes),
  // replayed 999 times.
  std::string input = "PS 1\n";
  for (int i = 0; i < 125; ++i) input += "4 &116 C3\n";
  input += "PE\n";
  std::string almost = input;
  for (int i = 0; i < 998; ++i) almost += "PR 1\n";
  const std::string full = almost + "PR 1\n";
  const auto r = read_part(full);
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.table.size(), 1'000'000u);
  // Statements that append nothing are still taken; the next record is not.
  EXPECT_EQ(read_part(full + "SK 0 0;SSN C;PS 30;PE\n4 X\n").error,
            report(Msg::TooManyRecords, ":1128 4 X\n"));
  EXPECT_EQ(message_of(full + "PR 1\n"), Msg::TooManyRecords);
  // 999,000 records and 125 notes of eight would fit; a split reaching past
  // the room is refused.
  std::string notes = almost;
  for (int i = 0; i < 124; ++i) notes += "4 &116 C3\n";
  notes += "4 &115 C3\n4 &116 C3\n";
  EXPECT_EQ(message_of(notes), Msg::TooManyRecords);
}

}  // namespace
}  // namespace scoretext::vocal
