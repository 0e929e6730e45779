// The sung-note grammar where nolwen and sirenta read it differently: each
// test reads the same tokens in both dialects and fails if the difference
// goes.
#include "vocal/sung_note.h"

#include <gtest/gtest.h>

#include "frontend/testing.h"

namespace scoretext::vocal {
namespace {

Tokens tokens_of(std::string_view statement) {
  ToolConfig config;
  Tokens tokens;
  tokens.tokenize(statement, config);
  return tokens;
}

TEST(SungNoteDialects, NolwensTieEndsTheLengthGroupSirentasTakesABracketAfterIt) {
  for (const SungDialect* dialect : {&kLyricDialect, &kSirentaDialect}) {
    Tokens tokens = tokens_of("4 ) ]3 C3");
    SungLength group;
    ASSERT_TRUE(read_sung_length(tokens, *dialect, group));
    EXPECT_TRUE(group.tie);
    const bool bracket = dialect == &kSirentaDialect;
    EXPECT_EQ(group.bracket, bracket ? "]3" : "");
    EXPECT_EQ(group.divisor, bracket ? 3 : 1);
    EXPECT_EQ(tokens.current(), bracket ? "C3" : "]3");
  }
}

TEST(SungNoteDialects, NolwenReadsEveryVTokenAsAVelocitySirentaOnlyVAndADigit) {
  Tokens nolwen = tokens_of("VEL:9");
  EXPECT_EQ(testing::thrown_message([&] { read_sung_velocity(nolwen, kLyricDialect); }), Msg::Malformed);
  Tokens sirenta = tokens_of("VEL:9");
  EXPECT_FALSE(read_sung_velocity(sirenta, kSirentaDialect).has_value());
  EXPECT_EQ(sirenta.position(), 0u);
  // Both take "V" and digits.
  for (const SungDialect* dialect : {&kLyricDialect, &kSirentaDialect}) {
    Tokens tokens = tokens_of("V90 X");
    const std::optional<SungVelocity> v = read_sung_velocity(tokens, *dialect);
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->value, 90);
    EXPECT_EQ(tokens.current(), "X");
  }
}

TEST(SungNoteDialects, EachToolHasItsOwnMessageForAVelocityAbove127) {
  Tokens nolwen = tokens_of("V128");
  EXPECT_EQ(testing::thrown_message([&] { read_sung_velocity(nolwen, kLyricDialect); }), Msg::VelocityRange);
  Tokens sirenta = tokens_of("V128");
  EXPECT_EQ(testing::thrown_message([&] { read_sung_velocity(sirenta, kSirentaDialect); }),
            Msg::NoteOnVelocityRange);
}

TEST(SungNoteDialects, NolwensLengthGroupTakesTheArticulationSirentaReadsItLater) {
  for (const SungDialect* dialect : {&kLyricDialect, &kSirentaDialect}) {
    Tokens tokens = tokens_of("4 ]3 S2 C3");
    SungLength group;
    ASSERT_TRUE(read_sung_length(tokens, *dialect, group));
    const bool in_group = dialect == &kLyricDialect;
    EXPECT_EQ(group.articulation, in_group ? "S2" : "");
    EXPECT_EQ(tokens.current(), in_group ? "C3" : "S2");
  }
}

TEST(SungNoteDialects, EachToolHasItsOwnMessageForMoreAfterATieContinuation) {
  Tokens tokens = tokens_of("4 C3");
  tokens.advance();
  EXPECT_EQ(testing::thrown_message([&] { check_continuation_ends(tokens, kLyricDialect); }), Msg::TiePending);
  EXPECT_EQ(testing::thrown_message([&] { check_continuation_ends(tokens, kSirentaDialect); }), Msg::Extra);
  tokens.advance();
  EXPECT_EQ(testing::thrown_message([&] { check_continuation_ends(tokens, kLyricDialect); }), Msg::Count_);
}

}  // namespace
}  // namespace scoretext::vocal
