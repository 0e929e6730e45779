// The pitch of a note as the text tools write it: "*", a letter, an octave
// from -2 to 7 and the accidental as written ("#", "##", "B"/"b", "BB"/"bb",
// "N"/"n" or none).  C3 is 60, so C-2 is 0 and B7## is 121.
#pragma once

#include <optional>
#include <string_view>

namespace scoretext::score {

// The note number before transposition, or nothing when `token` (with its
// "*") is no note.
std::optional<int> star_note_number(std::string_view token);

// A note number moved by the part's transposition, held within 0..127.
int transposed(int note, int transposition);

}  // namespace scoretext::score
