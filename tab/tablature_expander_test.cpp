#include "tab/tablature_expander.h"

#include <gtest/gtest.h>

#include <string>

#include "frontend/pitch_names.h"
#include "frontend/testing.h"

namespace scoretext::tab {
namespace {

// The name a string and fret sound, counted up from the open string's name
// by semitones: an independent reading of standard tuning.
std::string sounding_name(int string, int fret) {
  static const char* const kClasses[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
  struct Open {
    int pitch_class, octave;
  };
  static const Open kOpen[] = {{4, 4}, {11, 3}, {7, 3}, {2, 3}, {9, 2}, {4, 2}};  // E4 B3 G3 D3 A2 E2
  const Open open = kOpen[string - 1];
  const int step = open.pitch_class + fret;
  const std::string cls = kClasses[step % 12];
  return std::string("*").append(cls, 0, 1).append(std::to_string(open.octave + step / 12)).append(cls, 1);
}

TEST(TablatureNote, EveryTokenOfOneToThreeDigits) {
  int accepted = 0;
  for (int digits = 1; digits <= 3; ++digits) {
    int count = 1;
    for (int d = 0; d < digits; ++d) count *= 10;
    for (int n = 0; n < count; ++n) {
      std::string token = std::to_string(n);
      token.insert(0, static_cast<std::size_t>(digits) - token.size(), '0');
      const int string = token[0] - '0';
      const std::string fret_text = token.substr(1);
      // A tablature token: a string 1-6, then a fret 0-15 without a leading
      // zero.
      const bool valid = string >= 1 && string <= 6 && !fret_text.empty() && std::stoi(fret_text) <= 15 &&
                         std::to_string(std::stoi(fret_text)) == fret_text;
      const std::optional<int> note = tablature_note(token);
      ASSERT_EQ(note.has_value(), valid) << token;
      if (!valid) continue;
      ++accepted;
      EXPECT_EQ(score_pitch_name(*note), sounding_name(string, std::stoi(fret_text))) << token;
    }
  }
  EXPECT_EQ(accepted, 96);
  for (std::string_view other : {"", "1a", "a1", "1 0", "+10", "1-1", "10 ", "1015"})
    EXPECT_FALSE(tablature_note(other)) << other;
}

TEST(TablatureNote, NamedExamples) {
  const std::pair<std::string_view, std::string_view> examples[] = {
      {"10", "*E4"}, {"13", "*G4"}, {"21", "*C4"},  {"32", "*A3"},  {"45", "*G3"},
      {"515", "*C4"}, {"63", "*G2"}, {"110", "*D5"}, {"115", "*G5"}, {"615", "*G3"}};
  for (const auto& [token, name] : examples) EXPECT_EQ(score_pitch_name(*tablature_note(token)), name) << token;
}

// The expander alone on one statement: the note group, and the token where
// it stopped.
struct Expanded {
  std::string group;
  std::size_t stopped_at;
};

Expanded expand(std::string_view statement) {
  ToolConfig config;
  Tokens tokens;
  tokens.tokenize(statement, config);
  LengthGroup length;
  length.parse(tokens, config.bad_length);
  Expanded e;
  NoteText group;
  TablatureExpander().expand(tokens, length, group);
  e.group = group.view();
  e.stopped_at = tokens.position();
  return e;
}

Msg failure(std::string_view statement) {
  return testing::thrown_message([&] { expand(statement); });
}

TEST(TablatureExpander, NotesVelocitiesAndWhereTheGroupEnds) {
  EXPECT_EQ(expand("4 10 21 32 V90").group, " *E4 *C4 *A3 V90");
  EXPECT_EQ(expand("8 60 62 64").group, " *E2 *F2# *G2#");
  const Expanded letter = expand("4 10 V1 21 C4 10");
  EXPECT_EQ(letter.group, " *E4 V1 *C4");
  EXPECT_EQ(letter.stopped_at, 4u);
  const Expanded nothing = expand("4 C4");
  EXPECT_EQ(nothing.group, "");
  EXPECT_EQ(nothing.stopped_at, 1u);
  EXPECT_EQ(expand("4").group, "");
  EXPECT_EQ(expand("4 X").group, "X");
  EXPECT_EQ(expand("4 10 V1 20 V2 30 V3 40 V4 50 V5 60 V6 11 V7 21 V127").group,
            " *E4 V1 *B3 V2 *G3 V3 *D3 V4 *A2 V5 *E2 V6 *F4 V7 *C4 V127");
}

TEST(TablatureExpander, Refusals) {
  const std::pair<std::string_view, Msg> cases[] = {
      {"4 70", Msg::BadTab},
      {"4 116", Msg::BadTab},
      {"4 1", Msg::BadTab},
      {"4 015", Msg::BadTab},
      {"4 10 105", Msg::BadTab},
      {"4 10 V128", Msg::VelocityRange},
      {"4 10 V-1", Msg::VelocityRange},
      {"4 10 V", Msg::Malformed},
      {"4 10 V1x", Msg::Malformed},
      {"4 10 10 10 10 10 10 10 10 10", Msg::TooManyNotes},
      {"4 10 10 10 10 10 10 10 10 C4", Msg::TooManyNotes},
      {"4 S1 X", Msg::RestArticulation},
      {"4 X 10", Msg::Extra},
  };
  for (const auto& [statement, message] : cases) EXPECT_EQ(failure(statement), message) << statement;
}

}  // namespace
}  // namespace scoretext::tab
