#include "drum/drum_statement.h"

#include <gtest/gtest.h>

#include <string>

#include "frontend/testing.h"

namespace scoretext::drum {
namespace {

// One run of drum statements against a small kit, written to a string.
class DrumStatements : public ::testing::Test {
 protected:
  DrumStatements()
      : kit_(read_drum_definitions("C1 BD\nD1 SD\nF#1 HH\nA#1 VX\nC#2 V\nB7 X\n")),
        writer_(kit_),
        out_(written_),
        run_(config_, out_, writer_) {
    config_.token_refused = limits::kTokenRefusedLong;
    writer_.reset();
  }

  // What one statement wrote, and the message it failed with (Msg::Count_
  // when it was accepted).
  struct Outcome {
    std::string text;
    Msg error;
  };
  Outcome run(std::string_view statement) {
    written_.clear();
    run_.tokens.tokenize(statement, config_);
    const Msg error = testing::thrown_message([&] { writer_.handle(run_); });
    out_.flush();
    return {written_, error};
  }

  std::string write(std::string_view statement) {
    const Outcome o = run(statement);
    EXPECT_EQ(o.error, Msg::Count_) << "error for " << statement << ": " << utf8_text(o.error);
    return o.text;
  }
  Msg error_of(std::string_view statement) { return run(statement).error; }

  ToolConfig config_;
  DrumKit kit_;
  DrumStatementWriter writer_;
  std::string written_;
  Output out_;
  scoretext::Run run_;
};

TEST_F(DrumStatements, VelocitiesFollowAnInstrument) {
  EXPECT_EQ(write("4 BD V127 SD V0 V"), "4  *C1 V127 *D1 V0 *C2# \n");
  EXPECT_EQ(error_of("4 BD V1-"), Msg::Malformed);
  // A velocity where an instrument must stand is no instrument.
  EXPECT_EQ(error_of("4 BD V1 V2"), Msg::DrumUnknown);
  EXPECT_EQ(error_of("4 V100"), Msg::DrumUnknown);
  EXPECT_EQ(error_of("4 X V100"), Msg::Extra);
  // After eight groups even a bad name is one group too many.
  EXPECT_EQ(error_of("4 BD SD HH VX V BD SD HH V9 NONE"), Msg::DrumTooMany);
}

TEST_F(DrumStatements, LengthGroup) {
  EXPECT_EQ(error_of("3 BD"), Msg::BadLength);
  EXPECT_EQ(error_of("BD"), Msg::BadLength);
  // Only "&01".."&200" may follow the length: ties, tuplets and staccato
  // marks are taken for instrument names.
  EXPECT_EQ(error_of("4 ) BD"), Msg::DrumUnknown);
  EXPECT_EQ(error_of("4 ]3 BD"), Msg::DrumUnknown);
  EXPECT_EQ(error_of("4 S1 BD"), Msg::DrumUnknown);
  EXPECT_EQ(error_of("4 &201 BD"), Msg::DrumUnknown);
  EXPECT_EQ(error_of("4 &02 &03 BD"), Msg::DrumUnknown);
}

TEST_F(DrumStatements, SavedGroupAndReset) {
  EXPECT_EQ(error_of("4"), Msg::DrumUnknown);
  write("8 SD V100 HH");
  EXPECT_EQ(write("4 &02"), "4 &02  *D1 V100 *F1# \n");
  // A failed statement does not replace the saved group.
  error_of("4 BD NONE");
  EXPECT_EQ(write("8"), "8  *D1 V100 *F1# \n");
  writer_.reset();
  EXPECT_EQ(error_of("8"), Msg::DrumUnknown);
}

TEST_F(DrumStatements, AFailingGroupLeavesItsLengthWritten) {
  Outcome o = run("4.. &05 BD NONE");
  EXPECT_EQ(o.text, "4.. &05 ");
  EXPECT_EQ(o.error, Msg::DrumUnknown);
  o = run("16 BD V300");
  EXPECT_EQ(o.text, "16 ");
  EXPECT_EQ(o.error, Msg::VelocityRange);
  o = run("7 BD");
  EXPECT_EQ(o.text, "");
  EXPECT_EQ(o.error, Msg::BadLength);
}

}  // namespace
}  // namespace scoretext::drum
