// MIDI statements run through the main loop on strings: every keyword and
// controller name with its range, and what a failing statement leaves.
#include "frontend/midi_statements.h"

#include <gtest/gtest.h>

#include <string>

#include "frontend/testing.h"

namespace scoretext {
namespace {

testing::TextRun run(std::string_view input, const ToolConfig& config = {}) {
  testing::ProbeNotes notes;
  return testing::run_text(input, config, notes);
}

std::string text(int n) { return std::to_string(n); }

// "!" and the keyword, then a blank.
std::string head_of(std::string_view keyword) {
  std::string head = "!";
  head += keyword;
  head += ' ';
  return head;
}

// The statement is accepted and written as `line`.
void expect_line(std::string_view statement, std::string_view line, const ToolConfig& config = {}) {
  const testing::TextRun r = run(statement, config);
  EXPECT_EQ(r.error, "") << statement;
  EXPECT_EQ(r.output, std::string(line) + "\n") << statement;
}

struct Range {
  std::string_view keyword;
  int lowest, highest;
  Msg message;
};

TEST(MidiStatements, ChannelMessagesAtTheEdgesOfTheirRanges) {
  const Range ranges[] = {
      {"PB", -8192, 8191, Msg::PitchBendRange},   {"PCH", 0, 127, Msg::ProgramChangeRange},
      {"CP", 0, 127, Msg::PressureRange},         {"RPN2", 0, 16383, Msg::Rpn2Range},
      {"NRPN2", 0, 16383, Msg::Nrpn2Range},       {"DE2", 0, 16383, Msg::De2Range},
  };
  for (const Range& r : ranges) {
    const std::string head = head_of(r.keyword);
    expect_line(head + text(r.lowest), head + text(r.lowest));
    expect_line(head + text(r.highest), head + text(r.highest));
    EXPECT_EQ(run(head + text(r.lowest - 1)).message, r.message) << head;
    EXPECT_EQ(run(head + text(r.highest + 1)).message, r.message) << head;
    EXPECT_EQ(run(head).message, Msg::Malformed) << head;
    EXPECT_EQ(run(head + "0 0").message, Msg::Extra) << head;
  }
}

TEST(MidiStatements, TwoValueMessages) {
  const Range ranges[] = {
      {"RPN1", 0, 127, Msg::Rpn1Range}, {"NRPN1", 0, 127, Msg::Nrpn1Range}, {"DE1", 0, 127, Msg::De1Range}};
  const Msg missing[] = {Msg::Rpn1Param, Msg::Nrpn1Param, Msg::De1Param};
  for (std::size_t i = 0; i < std::size(ranges); ++i) {
    const std::string head = head_of(ranges[i].keyword);
    SCOPED_TRACE(head);
    expect_line(head + "0 127", head + "0 127");
    expect_line(head + "+127 00", head + "+127 00");
    EXPECT_EQ(run(head + "128 0").message, ranges[i].message);
    EXPECT_EQ(run(head + "-1 0").message, ranges[i].message);
    EXPECT_EQ(run(head).message, Msg::Malformed);
    EXPECT_EQ(run(head + "1 2 3").message, Msg::Extra);

    // The blank after the first value is written before the second value
    // is read, so a missing or bad second value leaves it behind.
    testing::TextRun r = run(head + "5");
    EXPECT_EQ(r.output, head + "5 ");
    EXPECT_EQ(r.message, missing[i]);
    r = run(head + "5 128");
    EXPECT_EQ(r.output, head + "5 ");
    EXPECT_EQ(r.message, ranges[i].message);
    r = run(head + "5 x");
    EXPECT_EQ(r.output, head + "5 ");
    EXPECT_EQ(r.message, Msg::Malformed);
  }
}

TEST(MidiStatements, NotesWithTheirValues) {
  expect_line("!NON e4b", "!NON *E4b");
  expect_line("!NON c-1## v127", "!NON *C-1## V127");
  expect_line("!NON G7N V+0", "!NON *G7n V+0");
  expect_line("!PP a4bb 127", "!PP *A4bb 127");
  expect_line("!NOFF B3#", "!NOFF *B3#");
  EXPECT_EQ(run("!NON C4 V128").message, Msg::NoteOnVelocityRange);
  EXPECT_EQ(run("!NON C4 V-1").message, Msg::NoteOnVelocityRange);
  EXPECT_EQ(run("!NON C4 V").message, Msg::Malformed);
  EXPECT_EQ(run("!NON C4 64").message, Msg::Extra);
  EXPECT_EQ(run("!PP C4 128").message, Msg::PressureRange);
  EXPECT_EQ(run("!PP C4").message, Msg::Malformed);
  EXPECT_EQ(run("!NOFF C4 V1").message, Msg::Extra);
  for (const char* bad : {"!NON H4", "!PP C8 1", "!NOFF", "!NON C4x"}) EXPECT_EQ(run(bad).message, Msg::BadNote) << bad;
}

TEST(MidiStatements, EveryControllerNameWithItsRange) {
  const std::string_view seven_bit[] = {"BS", "MD", "BC", "FC", "PT", "DE", "VO", "BL", "PN", "EX", "EF1",
                                        "EF2", "GC1", "GC2", "GC3", "GC4", "VS", "TI", "RE", "AT", "BR", "DT",
                                        "VR", "VD", "VL", "CS10", "GC5", "GC6", "GC7", "GC8", "PC", "ED", "TD",
                                        "CD", "SD", "FD", "HLD"};
  const std::string_view fourteen_bit[] = {"BS2", "MD2", "BC2", "FC2", "PT2", "VO2", "BL2", "PN2",
                                           "EX2", "EF12", "EF22", "GC12", "GC22", "GC32", "GC42"};
  for (std::string_view name : seven_bit) {
    const std::string head = head_of(name);
    expect_line(head + "127", head + "127");
    EXPECT_EQ(run(head + "128").message, Msg::ControllerRange) << name;
    EXPECT_EQ(run(head + "-1").message, Msg::ControllerRange) << name;
  }
  for (std::string_view name : fourteen_bit) {
    const std::string head = head_of(name);
    expect_line(head + "16383", head + "16383");
    EXPECT_EQ(run(head + "16384").message, Msg::ControllerRange) << name;
  }
  for (std::string_view name : {"HO1", "PR", "SS", "SF", "LF", "HO2"}) {
    const std::string head = head_of(name);
    expect_line(head + "on", head + "ON");
    expect_line(head + "Off", head + "OFF");
    EXPECT_EQ(run(head + "1").message, Msg::SwitchValue) << name;
    EXPECT_EQ(run(head).message, Msg::SwitchValue) << name;
  }
}

TEST(MidiStatements, ControllerNumbersOnlyWhereTheToolKnowsThem) {
  for (int n = 0; n <= 127; ++n) {
    const std::string name = (n < 120 ? "!CC#" : "!MM#") + text(n);
    expect_line(name + " 127", name + " 127");
  }
  // Out of their ranges, or with a leading zero, they are no controllers and
  // reach the note statement.
  for (const char* other : {"!CC#120", "!MM#119", "!MM#128", "!CC#07", "!CC#", "!CC#1000"})
    EXPECT_EQ(run(std::string(other) + " 1").output, std::string(other) + " 1\n") << other;
  EXPECT_EQ(run("!CC#1 128").message, Msg::ControllerRange);

  ToolConfig older;
  older.midi_cc_list = false;
  EXPECT_EQ(run("!CC#1 1;!MM#127 1;!BS 1", older).output, "!CC#1 1\n!MM#127 2\n!BS 1\n");
}

TEST(MidiStatements, TiesAndTheSavedNotes) {
  // Refused while a tie is pending, but they keep the saved notes.
  EXPECT_EQ(run("4);!PB 0").message, Msg::TiePending);
  EXPECT_EQ(run("4;!PB 0;!NON C4;!HO1 ON;4").output, "4 1\n!PB 0\n!NON *C4\n!HO1 ON\n4 2\n");
  // The tie is looked at before the keyword, so while a tie is pending even
  // an unknown "!" statement is refused rather than taken for notes.
  EXPECT_EQ(run("4);!XYZ 1").message, Msg::TiePending);
  EXPECT_EQ(run("!XYZ 1").output, "!XYZ 1\n");
}

}  // namespace
}  // namespace scoretext
