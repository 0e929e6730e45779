// MIDI control statements: a first token "!" and a keyword, such as !PB 100
// or !NON C4 V90.  They are checked against their ranges and copied.
#pragma once

#include "frontend/run.h"

namespace scoretext {

// False when the first token does not begin with "!" or its keyword is none
// that the tool knows.
bool recognise_midi_statement(Run& run);

}  // namespace scoretext
