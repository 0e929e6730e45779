// The note number of a sung note: the letter's step in the current scale,
// the key's adjustment of that letter, the transposition, the octave and the
// accidental, kept within 0..127:
//
//   scale[mode][letter] + key[letter][k] + transposition + octave base
//   + accidental
//
// k is the key index, or 0 when the note is written with N or its letter's
// natural flag is set.  C3 is 60; "-1" is the lowest octave.
#pragma once

#include <array>
#include <string_view>

#include "frontend/setting_table.h"

namespace scoretext::vocal {

// Letters C D E F G A B, in this order.
inline constexpr int kLetters = 7;
// Scale modes 0..18 and key indices 0..14, as SN and SK set them
// (setting_table.h).
inline constexpr int kScaleModes = kSungScaleModeHighest + 1;
inline constexpr int kKeyIndices = 15;

struct PitchSettings {
  int key_index = 0;
  int scale_mode = 0;
  int transposition = 0;
  std::array<bool, kLetters> natural{};
};

// The note number of an upper-cased note token: a letter, an octave ("-1" or
// "0".."7"), then nothing or one of "#", "##", "B", "BB", "N".  Throws
// Msg::VocalNoteToken (unplaced) for any other token.
int note_number(std::string_view token, const PitchSettings& settings);

}  // namespace scoretext::vocal
