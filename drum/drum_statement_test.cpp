#include "drum/drum_statement.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <optional>
#include <string>

#include "frontend/tool_error.h"

namespace scoretext::drum {
namespace {

// One run of drum statements against a small kit, written to a scratch file.
class DrumStatements : public ::testing::Test {
 protected:
  DrumStatements()
      : kit_(read_drum_definitions("C1 BD\nD1 SD\nF#1 HH\nA#1 VX\nC#2 V\nB7 X\n")),
        writer_(kit_),
        file_(std::tmpfile()),
        out_(fileno(file_)),
        run_(config_, out_, writer_) {
    config_.token_refused = limits::kTokenRefusedLong;
    writer_.reset();
  }
  ~DrumStatements() override { std::fclose(file_); }

  // Runs one statement; returns what it wrote, and its error if any.
  std::string write(std::string_view statement, std::optional<Msg>* error = nullptr) {
    const int fd = fileno(file_);
    const off_t before = ::lseek(fd, 0, SEEK_END);
    run_.tokens.tokenize(statement, config_);
    try {
      writer_.handle(run_);
    } catch (const ToolError& e) {
      if (error != nullptr) *error = e.message();
      else ADD_FAILURE() << "error for " << statement << ": " << utf8_text(e.message());
    }
    out_.flush();
    std::string text(static_cast<std::size_t>(::lseek(fd, 0, SEEK_END) - before), '\0');
    EXPECT_EQ(::pread(fd, text.data(), text.size(), before), static_cast<ssize_t>(text.size()));
    return text;
  }

  Msg error_of(std::string_view statement) {
    std::optional<Msg> error;
    write(statement, &error);
    EXPECT_TRUE(error.has_value()) << "no error for " << statement;
    return error.value_or(Msg::Count_);
  }

  ToolConfig config_;
  DrumKit kit_;
  DrumStatementWriter writer_;
  FILE* file_;
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
  std::optional<Msg> error;
  EXPECT_EQ(write("4.. &05 BD NONE", &error), "4.. &05 ");
  EXPECT_EQ(error, Msg::DrumUnknown);
  error.reset();
  EXPECT_EQ(write("16 BD V300", &error), "16 ");
  EXPECT_EQ(error, Msg::VelocityRange);
  error.reset();
  EXPECT_EQ(write("7 BD", &error), "");
  EXPECT_EQ(error, Msg::BadLength);
}

}  // namespace
}  // namespace scoretext::drum
