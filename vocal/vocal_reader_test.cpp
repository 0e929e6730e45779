#include "vocal/vocal_reader.h"

#include <gtest/gtest.h>

#include "frontend/testing.h"
#include "vocal/vocal_test_kit.h"

namespace scoretext::vocal {
namespace {

using scoretext::testing::report;
using testing::message_of;
using testing::read_part;

// The kinds of the records, one letter each: N note, B time signature,
// T tempo, V beat snap, R rest.
std::string kinds(const EventTable& table) {
  std::string out;
  for (const VocalRecord& r : table) out += "NBTVR"[static_cast<int>(r.kind)];
  return out;
}

TEST(VocalReader, ErrorsShowTheWholeLineAsRead) {
  EXPECT_EQ(read_part("4 C3\nSB 4/4;4 C3;SB 5/5 // bar\n").error,
            report(Msg::RangeOutside, ":2 SB 4/4;4 C3;SB 5/5 // bar\n"));
  // Shift_JIS stays Shift_JIS, and macros are shown unexpanded.
  EXPECT_EQ(read_part("=d:K 4 C3 \"\x82\xB3\"\n=m:K Q\r\n").error, report(Msg::AttributeUnknown, ":2 =m:K Q\n"));
  EXPECT_EQ(read_part("4 C3 \"\x82\xB3\" 7\n").error, report(Msg::AttributeUnknown, ":1 4 C3 \"\x82\xB3\" 7\n"));
  // A byte the conversion refuses is reported on its own line.
  EXPECT_EQ(read_part("4 C3 // \xB1\n4 D3;4 E3 \"\xB1\"\n").error,
            report(Msg::UnusableCharacter, ":2 4 D3;4 E3 \"\xB1\"\n"));
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
  for (const char* good : {"SK # 1", "SK b 0", "SC 30", "SC -30", "SN 0", "SN 18", "SS 0", "SS 8", "SSN b;SRN B"}) {
    EXPECT_EQ(read_part(good).error, "") << good;
  }
  for (const char* bad : {"SN 05", "SN +5", "SSN CC", "SK #1 +1"}) EXPECT_EQ(message_of(bad), Msg::Malformed) << bad;
}

TEST(VocalSettings, EveryStatementKeepsTheTieAndPatternRules) {
  for (const char* s : {"SB 4/4", "ST 1", "SK 0 0", "SC 0", "SV", "SL1", "SL2", "SN 0", "SS 0", "SSN C", "SRN C",
                        "PS 1", "PE", "PR 1"}) {
    EXPECT_EQ(message_of(std::string("4 ) C3;") + s), Msg::TiePending) << s;
  }
  for (const char* s : {"SB 4/4", "ST 1", "SK 0 0", "SC 0", "SN 0", "SS 0", "SSN C"}) {
    EXPECT_EQ(message_of(std::string("PS 1;") + s), Msg::NeedPE) << s;
  }
  EXPECT_EQ(message_of("SSN C;PS 1;SRN C"), Msg::NeedPE);
  EXPECT_EQ(kinds(read_part("PS 1;SV;SL1;SL2;PE").table), "VVV");
  for (const char* s : {"SB 4/4 4", "ST 1 1", "SK 0 0 0", "SC 0 0", "SV 1", "SL1 1", "SL2 1", "SN 0 0", "SS 0 0",
                        "SSN C C", "SSN C;SRN C C", "PS 1 1", "PS 1;PE 1", "PS 1;PE;PR 1 1"}) {
    EXPECT_EQ(message_of(s), Msg::Extra) << s;
  }
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

TEST(EventTable, RefusesItsMillionAndFirstRecord) {
  EventTable table;
  table.append(VocalRecord{});
  while (table.size() * 2 <= EventTable::kCapacity) table.append_copies(0, table.size());
  table.append_copies(0, EventTable::kCapacity - table.size());
  ASSERT_EQ(table.size(), EventTable::kCapacity);
  EXPECT_EQ(scoretext::testing::thrown_message([&] { table.append(VocalRecord{}); }), Msg::TooManyRecords);
  EXPECT_EQ(scoretext::testing::thrown_message([&] { table.append_copies(0, 1); }), Msg::TooManyRecords);
  table.append_copies(5, 5);
  EXPECT_EQ(table.size(), EventTable::kCapacity);
}

}  // namespace
}  // namespace scoretext::vocal
