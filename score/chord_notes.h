// The notes of a chord name as talven writes it: an optional leading digit
// 1, 2 or 3 (it chooses talven's suffix list and changes no note), then a
// name of talven's vocabulary.  The notes are talven2's spelling of the name
// (octaves 2 to 4, the same notes in the same order).  talven's list stores
// two fraction chords with a stray letter, A#bm/F and A#bm7/Ab; talven2 has
// no such names, and they are spelled as the chords they stand for, A#m/F
// and A#m7/Ab.
#pragma once

#include <string_view>
#include <vector>

namespace scoretext::score {

// Note numbers (C3 is 60) of the chord, in talven2's order.  A name that
// talven does not accept is Msg::ChordName.
std::vector<int> chord_note_numbers(std::string_view name);

}  // namespace scoretext::score
