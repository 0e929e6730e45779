// Every chord name talven accepts must compile into notes: talven's
// vocabulary and talven2's spelling are separate tables, and a name in the
// first that the second cannot spell would stop a part talven wrote.
#include "score/chord_notes.h"

#include <gtest/gtest.h>

#include <string>

#include "chord/chord_table.h"
#include "chord/older_vocabulary.h"
#include "frontend/tool_error.h"

namespace scoretext::score {
namespace {

// The names talven accepts: a root, with or without a suffix of the list its
// digit selects, and the fraction chords.
std::vector<std::string> talven_names() {
  constexpr std::string_view kDigits[3][3] = {{""}, {"1", "2"}, {"3"}};
  std::vector<std::string> names;
  for (int list = 0; list < 3; ++list) {
    for (std::string_view digit : kDigits[list]) {
      if (list > 0 && digit.empty()) continue;
      for (std::string_view root : {"C", "C#", "Db", "D", "Eb", "E", "F", "F#", "Gb", "G", "Ab", "A", "Bb", "B"}) {
        if (list == 0) names.push_back(std::string(root));
        for (std::string_view suffix : chord::older::suffix_list(list))
          names.push_back(std::string(digit) + std::string(root) + std::string(suffix));
      }
    }
  }
  for (auto list : {chord::older::fraction_list_a(), chord::older::fraction_list_b()})
    for (std::string_view name : list) names.emplace_back(name);
  return names;
}

TEST(ChordNotes, EveryNameTalvenAcceptsCompiles) {
  for (const std::string& name : talven_names()) {
    ASSERT_TRUE(chord::older::is_chord_name(name)) << name;
    std::vector<int> notes;
    EXPECT_NO_THROW(notes = chord_note_numbers(name)) << name;
    EXPECT_GE(notes.size(), 2u) << name;
  }
}

TEST(ChordNotes, TheDigitChangesNoNote) {
  EXPECT_EQ(chord_note_numbers("1Cm7"), chord_note_numbers("Cm7"));
  EXPECT_EQ(chord_note_numbers("3Cm7"), chord_note_numbers("Cm7"));
  // C2 D#2 G2 A#2
  EXPECT_EQ(chord_note_numbers("2Cm7"), (std::vector<int>{48, 51, 55, 58}));
}

TEST(ChordNotes, TheStrayLetterNamesSoundAsTheChordsTheyStandFor) {
  // A#m over F: A#2 C#3 F3 above the bass F2 (F is the chord's fifth).
  EXPECT_EQ(chord_note_numbers("A#bm/F"), chord_note_numbers("A#m/F"));
  EXPECT_EQ(chord_note_numbers("A#bm7/Ab"), chord_note_numbers("A#m7/Ab"));
}

TEST(ChordNotes, NamesOutsideTalvensVocabularyAreRefused) {
  for (std::string_view name : {"Cmaj13", "G7(9,13)", "4C", "H7", "c"}) {
    try {
      chord_note_numbers(name);
      ADD_FAILURE() << name;
    } catch (const ToolError& e) {
      EXPECT_EQ(e.message(), Msg::ChordName) << name;
    }
  }
}

}  // namespace
}  // namespace scoretext::score
