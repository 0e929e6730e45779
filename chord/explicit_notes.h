// The explicit-note form both chord tools accept instead of a chord name:
// one to eight notes written "*" and a note name, each optionally followed by
// a velocity token.
#pragma once

#include <string>
#include <string_view>

#include "frontend/note_text.h"
#include "frontend/tokens.h"

namespace scoretext::chord {

// Reads notes from the token position, which is on a token beginning with
// "*", appending " *NOTE" (accidental normalised) and " VELOCITY" for each.
// Stops at the end of the tokens or on the first token that begins with
// neither "*" nor, after a note, "V"; the position is left on that token.
// Throws Msg::BadNote for a bad note and Msg::TooManyNotes for
// anything after the eighth note and its velocity.
void read_explicit_notes(Tokens& tokens, NoteText& group);

}  // namespace scoretext::chord
