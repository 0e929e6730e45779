// Setting statements run through the main loop on strings, with a probe for
// the note statements around them.
#include "frontend/settings.h"

#include <gtest/gtest.h>

#include <string>

#include "frontend/testing.h"

namespace scoretext {
namespace {

testing::TextRun run(std::string_view input, const ToolConfig& config = {}) {
  testing::ProbeNotes notes;
  return testing::run_text(input, config, notes);
}

// One setting statement and the three checks that differ between them.
struct Setting {
  std::string_view before;  // what must come first, with its line
  std::string_view statement;
  std::string_view line;  // what it writes
  bool tie_checked;
  bool refused_in_block;
  bool resets_notes;
};

constexpr Setting kSettings[] = {
    {"", "SB 4/4", "SB 4/4", true, true, true},
    {"", "ST +0120", "ST +0120", true, true, true},
    {"", "SK b3 1", "SK b3 1", true, true, true},
    {"", "SC4", "SC4", false, false, true},
    {"", "SC -30", "SC -30", true, true, true},
    {"", "SCN 30", "SCN 30", true, true, true},
    {"", "SV", "SV", true, false, true},
    {"", "SN 20", "SN 20", true, true, false},
    {"", "SS 8", "SS 8", true, true, true},
    {"", "SSN c", "SSN C", true, true, false},
    {"SSN C", "SRN C", "SRN C", true, true, false},
    {"", "SS# D", "SS# D", true, true, false},
    {"", "SSB D", "SSB D", true, true, false},
    {"SSB E", "SSC E", "SSC E", true, true, false},
};

std::string prefix(const Setting& s) { return s.before.empty() ? "" : std::string(s.before) + ";"; }
std::string prefix_lines(const Setting& s) { return s.before.empty() ? "" : std::string(s.before) + "\n"; }

TEST(Settings, EachStatementWithItsTieBlockAndResetRules) {
  for (const Setting& s : kSettings) {
    SCOPED_TRACE(std::string(s.statement));
    const std::string statement(s.statement);

    // Between two note statements: the second repeats the saved notes only
    // when the setting left them alone.
    testing::TextRun r = run(prefix(s) + "4;" + statement + ";4");
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.output, prefix_lines(s) + "4 1\n" + std::string(s.line) + "\n4 " + (s.resets_notes ? "1" : "2") + "\n");

    r = run(prefix(s) + "4);" + statement);
    EXPECT_EQ(r.message, s.tie_checked ? Msg::TiePending : Msg::Count_);

    r = run(prefix(s) + "PS 1;" + statement);
    EXPECT_EQ(r.message, s.refused_in_block ? Msg::NeedPE : Msg::Count_);
  }
}

TEST(Settings, OperandsAtTheirEdges) {
  const std::pair<std::string_view, Msg> cases[] = {
      {"SB 4/2", Msg::RangeOutside},       {"SB 10/8", Msg::RangeOutside},   {"SB 3/16", Msg::RangeOutside},
      {"SB 12/16", Msg::Count_},           {"SB", Msg::RangeOutside},        {"ST 0", Msg::RangeExceeded},
      {"ST 100000", Msg::Count_},          {"ST", Msg::Malformed},           {"ST 1x", Msg::Malformed},
      {"SC 31", Msg::RangeExceeded},       {"SC -31", Msg::RangeExceeded},   {"SCN 31", Msg::RangeExceeded},
      {"SCN -30", Msg::Count_},            {"SS 0", Msg::Count_},            {"SS -1", Msg::RangeExceeded},
      {"SS 9", Msg::RangeExceeded},        {"SN 0", Msg::Count_},            {"SN 21", Msg::Malformed},
      {"SN 05", Msg::Malformed},           {"SN +5", Msg::Malformed},        {"SN", Msg::Malformed},
      {"SK #3 2", Msg::Malformed},         {"SK #8 0", Msg::Malformed},      {"SK #3", Msg::Malformed},
      {"SK", Msg::Malformed},              {"SSN H", Msg::Malformed},        {"SSN", Msg::Malformed},
      {"SSC CC", Msg::Malformed},          {"SSN C;SSN C", Msg::Twice},      {"SRN C", Msg::SsnMissing},
      {"SS# D;SSB D", Msg::Twice},         {"SSC E", Msg::SsAccidentalMissing},
      {"SB 4/4 4/4", Msg::Extra},          {"SV 1", Msg::Extra},             {"SK 0 0 0", Msg::Extra},
  };
  for (const auto& [input, message] : cases) EXPECT_EQ(run(input).message, message) << input;
}

TEST(Settings, EveryKeyInBothModesWithItsFlatWrittenSmall) {
  for (std::string_view key : {"#7", "#6", "#5", "#4", "#3", "#2", "#1", "#", "0", "b", "b1", "b2", "b3", "b4",
                               "b5", "b6", "b7"}) {
    const std::string k(key);
    EXPECT_EQ(run("SK " + k + " 0;SK " + k + " 1").output, "SK " + k + " 0\nSK " + k + " 1\n");
  }
  EXPECT_EQ(run("SK B 0;SK B7 1").output, "SK b 0\nSK b7 1\n");
}

TEST(Settings, LetterStatesAreTwoIndependentFlagsPerLetter) {
  // The natural and the accidental flag of C do not meet; SS# and SSB share
  // one flag; every letter has its own.
  const testing::TextRun r = run("SSN C;SS# C;SRN C;SSC C;SSN C;SSB C;SS# D;SSN G;SRN G;SSN G");
  EXPECT_EQ(r.error, "");
  EXPECT_EQ(r.message, Msg::Count_);
  EXPECT_EQ(run("SSB C;SSC C;SS# C;SSB C").message, Msg::Twice);
  EXPECT_EQ(run("SS# C;SSC D").message, Msg::SsAccidentalMissing);
}

TEST(Settings, TheTieOutlivesSc4) {
  EXPECT_EQ(run("4);SC4;4").output, "4) 1\nSC4\n4 1\n");
  EXPECT_EQ(run("4);SC4;SV").message, Msg::TiePending);
}

TEST(Settings, WhatEachToolKnows) {
  // Without the accidental family SS#, SSB and SSC are note statements.
  ToolConfig plain;
  plain.accidental_settings = false;
  EXPECT_EQ(run("SS# C;SSB C;SSC C;SSN C", plain).output, "SS# 1\nSSB 2\nSSC 3\nSSN C\n");

  // Without MIDI statements a "!" statement is a note statement too.
  ToolConfig no_midi;
  no_midi.midi_statements = false;
  EXPECT_EQ(run("!PB 0;SB 4/4", no_midi).output, "!PB 1\nSB 4/4\n");

  // Without ties nothing is refused after a closing bracket.
  ToolConfig no_ties;
  no_ties.tie_checks = false;
  const testing::TextRun r = run("4);SB 4/4;4);!PB 0;4);PS 1;4);PE", no_ties);
  EXPECT_EQ(r.error, "");
  EXPECT_EQ(r.output, "4) 1\nSB 4/4\n4) 1\n!PB 0\n4) 2\nPS 1\n4) 1\nPE\n");
}

TEST(Settings, AFailingStatementLeavesWhatItWrote) {
  testing::TextRun r = run("SV;SC 31");
  EXPECT_EQ(r.output, "SV\nSC ");
  EXPECT_EQ(r.error, testing::report(Msg::RangeExceeded, ":1 SC 31\n"));
  r = run("SK #3 2");
  EXPECT_EQ(r.output, "SK #3 ");
  r = run("SB 4/4 x");
  EXPECT_EQ(r.output, "SB 4/4\n");
  EXPECT_EQ(r.message, Msg::Extra);
}

}  // namespace
}  // namespace scoretext
