// The names of the 128 note numbers as the suite writes generated notes:
// sharps only, the octave starting at C, note 60 = C3 (so note 0 is C-2 and
// 127 is G8).  Score text writes "*", the letter, the octave and then the
// sharp ("*C3", "*F1#"); the drum definition file writes the sharp before
// the octave ("F#1").  Chords, tablature and drum kits all take their names
// from this one table.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "frontend/score_tables.h"
#include "frontend/small_copy.h"

namespace scoretext {

inline constexpr int kNoteNumbers = kNoteNumberMax + 1;

// A note number's spelling: its letter, whether it is that letter's sharp,
// and its octave.
struct PitchSpelling {
  char letter;
  bool sharp;
  int octave;
};

constexpr PitchSpelling pitch_spelling(int note) {
  constexpr char kLetters[12] = {'C', 'C', 'D', 'D', 'E', 'F', 'F', 'G', 'G', 'A', 'A', 'B'};
  constexpr bool kSharp[12] = {false, true, false, true, false, false, true, false, true, false, true, false};
  return {kLetters[note % 12], kSharp[note % 12], note / 12 - 2};
}

namespace detail {

// "*C-2#" is the longest score name; it is kept after a blank, with room to
// spare, so that " *C3" or "*C3" can be copied as one eight-byte block.
struct ScoreName {
  char text[16];
  unsigned char size;  // of the name, without the blank
};

constexpr ScoreName make_score_name(int note) {
  const PitchSpelling p = pitch_spelling(note);
  ScoreName n{};
  n.text[0] = ' ';
  std::size_t at = 1;
  n.text[at++] = '*';
  n.text[at++] = p.letter;
  if (p.octave < 0) n.text[at++] = '-';
  n.text[at++] = static_cast<char>('0' + (p.octave < 0 ? -p.octave : p.octave));
  if (p.sharp) n.text[at++] = '#';
  n.size = static_cast<unsigned char>(at - 1);
  return n;
}

inline constexpr auto kScoreNames = [] {
  std::array<ScoreName, kNoteNumbers> names{};
  for (int note = 0; note < kNoteNumbers; ++note) names[static_cast<std::size_t>(note)] = make_score_name(note);
  return names;
}();

}  // namespace detail

// The note as score text writes it, "*" included: "*C3" for 60, "*F1#" for
// 42.  `note` must lie in 0..127.
constexpr std::string_view score_pitch_name(int note) {
  const detail::ScoreName& n = detail::kScoreNames[static_cast<std::size_t>(note)];
  return {n.text + 1, n.size};
}

// A blank and the note's score name, " *C3", as a padded word for a note
// group; and the name alone, "*C3".
constexpr PaddedWord score_pitch_word(int note) {
  const detail::ScoreName& n = detail::kScoreNames[static_cast<std::size_t>(note)];
  return {n.text, n.size + 1u};
}
constexpr PaddedWord score_pitch_name_padded(int note) {
  const detail::ScoreName& n = detail::kScoreNames[static_cast<std::size_t>(note)];
  return {n.text + 1, n.size};
}

}  // namespace scoretext
