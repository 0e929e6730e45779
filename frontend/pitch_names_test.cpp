#include "frontend/pitch_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace scoretext {
namespace {

TEST(PitchNames, AnchorsAndOctaveBoundaries) {
  EXPECT_EQ(score_pitch_name(0), "*C-2");
  EXPECT_EQ(score_pitch_name(1), "*C-2#");
  EXPECT_EQ(score_pitch_name(11), "*B-2");
  EXPECT_EQ(score_pitch_name(12), "*C-1");
  EXPECT_EQ(score_pitch_name(23), "*B-1");
  EXPECT_EQ(score_pitch_name(24), "*C0");
  EXPECT_EQ(score_pitch_name(42), "*F1#");
  EXPECT_EQ(score_pitch_name(48), "*C2");
  EXPECT_EQ(score_pitch_name(60), "*C3");
  EXPECT_EQ(score_pitch_name(70), "*A3#");
  EXPECT_EQ(score_pitch_name(119), "*B7");
  EXPECT_EQ(score_pitch_name(127), "*G8");
}

TEST(PitchNames, EveryNoteHasItsOwnNameAndSpelling) {
  std::set<std::string> names;
  for (int note = 0; note < kNoteNumbers; ++note) {
    const std::string_view name = score_pitch_name(note);
    names.emplace(name);
    const PitchSpelling p = pitch_spelling(note);
    // The spelling and the written name tell the same pitch.
    std::string spelled = "*";
    spelled += p.letter;
    spelled += std::to_string(p.octave);
    if (p.sharp) spelled += '#';
    EXPECT_EQ(name, spelled) << note;
    // Only C, D, F, G and A have sharps: E# and B# are never written.
    if (p.sharp) {
      EXPECT_EQ(std::string_view("EB").find(p.letter), std::string_view::npos) << note;
    }
  }
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kNoteNumbers));
}

}  // namespace
}  // namespace scoretext
