// The note names a drum kit can use, notes 0 to 119.  The definition file
// writes them letter, sharp, octave ("F#1"); score text writes the sharp after
// the octave ("F1#").  Octaves run from -2 to 7, so 36 is "C1" and 60 "C3".
#pragma once

#include <string_view>

namespace scoretext::drum {

// The definition-form name of a note 0..119.
std::string_view definition_note_name(int note);
// The score-form name of a note 0..119.
std::string_view score_note_name(int note);
// The note whose definition-form name is exactly `name` (upper case), or -1.
int note_from_definition_name(std::string_view name);

}  // namespace scoretext::drum
