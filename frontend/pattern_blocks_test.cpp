// Pattern blocks run through the main loop on strings.
#include "frontend/pattern_blocks.h"

#include <gtest/gtest.h>

#include <string>

#include "frontend/testing.h"

namespace scoretext {
namespace {

testing::TextRun run(std::string_view input, const ToolConfig& config = {}) {
  testing::ProbeNotes notes;
  return testing::run_text(input, config, notes);
}

TEST(PatternBlocks, NumbersAtTheirEdgesWrittenAsTheyStand) {
  const testing::TextRun r = run("PS 0;PE;PS 999;PE;PR 999;PR 1;PR 5;PS +05;PE;PR 0005");
  EXPECT_EQ(r.error, "");
  EXPECT_EQ(r.output, "PS 0\nPE\nPS 999\nPE\nPR 999\nPR 1\nPR 5\nPS +05\nPE\nPR 0005\n");
}

TEST(PatternBlocks, Refusals) {
  const std::pair<std::string_view, Msg> cases[] = {
      {"PR 0", Msg::PatternRange},         {"PR 1000", Msg::PatternRange},
      {"PS 1000", Msg::PatternRange},      {"PS -1", Msg::PatternRange},
      {"PS 3;PE;PS 3", Msg::PatternTwice}, {"PS 3;PE;PS 003", Msg::PatternTwice},
      {"PS 1;PS 2", Msg::InsidePattern},   {"PS 1;PR 1", Msg::InsidePattern},
      {"PE", Msg::NoPS},                   {"PS 1;PE;PE", Msg::NoPS},
      {"PS", Msg::Malformed},              {"PR x", Msg::Malformed},
      {"PS 1 2", Msg::Extra},              {"PS 1;PE 1", Msg::Extra},
      {"4);PS 1", Msg::TiePending},        {"PS 1;4);PE", Msg::TiePending},
      {"4);PR 1", Msg::TiePending},
  };
  for (const auto& [input, message] : cases) EXPECT_EQ(run(input).message, message) << input;
}

TEST(PatternBlocks, AFailingStatementLeavesWhatItWrote) {
  testing::TextRun r = run("PS 3;PE;PS 3");
  EXPECT_EQ(r.output, "PS 3\nPE\nPS ");
  EXPECT_EQ(r.error, testing::report(Msg::PatternTwice, ":1 PS 3\n"));
  r = run("PR 1000");
  EXPECT_EQ(r.output, "PR ");
  r = run("PR 7 x");
  EXPECT_EQ(r.output, "PR 7\n");
  EXPECT_EQ(r.message, Msg::Extra);
}

TEST(PatternBlocks, EachStatementForgetsTheSavedNotes) {
  const testing::TextRun r = run("4;4;PS 1;4;4;PE;4;PR 1;4");
  EXPECT_EQ(r.output, "4 1\n4 2\nPS 1\n4 1\n4 2\nPE\n4 1\nPR 1\n4 1\n");
}

TEST(PatternBlocks, TheEndOfTheInputInsideABlockIsNoError) {
  const testing::TextRun r = run("PS 1;4");
  EXPECT_EQ(r.error, "");
  EXPECT_EQ(r.output, "PS 1\n4 1\n");
}

TEST(PatternBlocks, NoTieChecksWithoutTies) {
  ToolConfig no_ties;
  no_ties.tie_checks = false;
  EXPECT_EQ(run("4);PS 1;4);PE;4);PR 1", no_ties).error, "");
}

}  // namespace
}  // namespace scoretext
