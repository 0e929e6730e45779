#include "chord/chord_spelling.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/testing.h"

namespace scoretext::chord {
namespace {

// The chord as the note group writes it.
std::string written(std::string_view name, std::string_view velocity = "V64") {
  NoteText group;
  append_chord_notes(spell_chord(name), velocity, group);
  return std::string(group.view());
}

Msg failure(std::string_view name) {
  return testing::thrown_message([&] { spell_chord(name); });
}

TEST(SpellChord, RootPositionChords) {
  EXPECT_EQ(written("C"), "*C2 V64 *E2 V64 *G2 V64 ");
  EXPECT_EQ(written("Cxxx"), "*C2 V64 *E2 V64 *G2 V64 ");
  EXPECT_EQ(written("Am7", "V100"), "*A2 V100 *C3 V100 *E3 V100 *G3 V100 ");
  EXPECT_EQ(written("C7"), "*C2 V64 *E2 V64 *G2 V64 *A2# V64 ");
  EXPECT_EQ(written("CM7"), "*C2 V64 *E2 V64 *G2 V64 *B2 V64 ");
  EXPECT_EQ(written("Cm7"), "*C2 V64 *D2# V64 *G2 V64 *A2# V64 ");
  // Flat and sharp roots wrap at the octave.
  EXPECT_EQ(written("Cb"), "*B2 V64 *D3# V64 *F3# V64 ");
  EXPECT_EQ(written("B#"), written("C"));
  EXPECT_EQ(written("Bb"), "*A2# V64 *D3 V64 *F3 V64 ");
  // The highest note of the table: B with a sharp thirteenth.
  EXPECT_EQ(written("B7+13"), "*B2 V64 *D3# V64 *F3# V64 *A3 V64 *A4 V64 ");
}

TEST(SpellChord, BassPlacement) {
  // The bass is a chord note: everything below it goes up an octave.
  EXPECT_EQ(written("C/E"), "*C3 V64 *E2 V64 *G2 V64 ");
  // The bass is added under the chord, written last.
  EXPECT_EQ(written("ConD"), "*C3 V64 *E2 V64 *G2 V64 *D2 V64 ");
  // A note one semitone above the bass is raised.
  EXPECT_EQ(written("CmonD"), "*C3 V64 *D3# V64 *G2 V64 *D2 V64 ");
  EXPECT_EQ(written("C7(b9,#11)onB"),
            "*C3 V64 *E3 V64 *G3 V64 *A3# V64 *C3# V64 *F3# V64 *B2 V64 ");
  EXPECT_EQ(written("DmonB#"), "*D2 V64 *F2 V64 *A2 V64 *C2 V64 ");
  // Only a note in the bass's own octave counts as the bass: the seventh G3
  // of AbM7 does not, so G2 is added beneath it.
  EXPECT_EQ(written("AbM7onG"), "*G3# V64 *C3 V64 *D3# V64 *G3 V64 *G2 V64 ");
  EXPECT_EQ(written("D/F#"), "*D3 V64 *F2# V64 *A2 V64 ");
  // A bass equal to the root keeps the chord as it is.
  EXPECT_EQ(written("C/C"), written("C"));
}

// Rows appended after texts of every length around the group's growth, with
// velocity texts of every length: the padded names' eight-byte copies must
// never show, nor reach past the group (the sanitizer build sees that).
TEST(SpellChord, RowsFollowAnyTextWithAnyVelocity) {
  const ChordNotes notes = spell_chord("C7(b9,#11)onB");
  const std::vector<std::string> names = {"*C3", "*E3", "*G3", "*A3#", "*C3#", "*F3#", "*B2"};
  for (std::size_t before = 0; before <= 140; before += 7) {
    for (std::size_t length = 0; length <= 20; ++length) {
      const std::string prefix(before, '.');
      std::string velocity(length + 1, '9');
      velocity[0] = 'V';
      NoteText group;
      group.append(prefix);
      append_chord_notes(notes, velocity, group);
      std::string want = prefix;
      for (const std::string& name : names) want += name + ' ' + velocity + ' ';
      ASSERT_EQ(group.view(), want) << before << ' ' << length;
    }
  }
}

TEST(SpellChord, EveryChordStaysInsideThePitchTable) {
  std::vector<std::string_view> basses = {""};
  for (auto b : on_bass_names()) basses.push_back(b);
  for (auto b : slash_bass_names()) basses.push_back(b);
  for (auto root : root_names())
    for (const auto& row : suffix_rows())
      for (auto bass : basses) {
        std::string name = std::string(root) + std::string(row.name) + std::string(bass);
        ChordNotes notes = spell_chord(name);
        int filled = 0;
        for (int v : notes.slots) {
          if (v == ChordNotes::kEmpty) continue;
          ASSERT_GE(v, 0) << name;
          ASSERT_LT(v, kPitchCount) << name;
          ++filled;
        }
        ASSERT_LE(filled, 8) << name;
        ASSERT_GE(filled, static_cast<int>(row.intervals.size())) << name;
      }
}

TEST(SpellChord, BadNames) {
  EXPECT_EQ(failure("ConE/G"), Msg::OnChord);
  EXPECT_EQ(failure("Con"), Msg::OnChord);
  EXPECT_EQ(failure("ConH"), Msg::OnChord);
  EXPECT_EQ(failure("Conc"), Msg::OnChord);
  EXPECT_EQ(failure("C/EonG"), Msg::SlashChord);
  EXPECT_EQ(failure("C/"), Msg::SlashChord);
  EXPECT_EQ(failure("C/e"), Msg::SlashChord);
  EXPECT_EQ(failure("C/E/G"), Msg::SlashChord);
  EXPECT_EQ(failure("cm"), Msg::ChordName);
  EXPECT_EQ(failure("Cmaj7"), Msg::ChordName);
  EXPECT_EQ(failure("CM"), Msg::ChordName);
  EXPECT_EQ(failure("H7"), Msg::ChordName);
  EXPECT_EQ(failure("C-1"), Msg::ChordName);
  EXPECT_EQ(failure("C10"), Msg::ChordName);
  EXPECT_EQ(failure(""), Msg::ChordName);
  EXPECT_EQ(failure("/E"), Msg::ChordName);
  EXPECT_EQ(failure("onC"), Msg::ChordName);
  // Upper-cased input does not read as the chord it came from.
  EXPECT_EQ(failure("BB"), Msg::ChordName);
  EXPECT_EQ(failure("AMONG"), Msg::ChordName);
}

}  // namespace
}  // namespace scoretext::chord
