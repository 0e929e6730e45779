// Guitar tablature: each note is a string number 1-6 followed by a fret
// number 0-15 ("10" is the open first string, "515" the fifth string at
// fret 15), sounding in standard tuning E4 B3 G3 D3 A2 E2.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "frontend/note_writer.h"

namespace scoretext::tab {

// The note number that a tablature token sounds (60 is C3), or nothing when
// the token is none of the 96 tablature tokens.
std::optional<int> tablature_note(std::string_view token);

// Fills the note group with the notes of one to eight tablature tokens, each
// optionally followed by a velocity, or with the rest mark.  Stops at the
// first token that does not begin with a digit and leaves it to the writer;
// a token that begins with a digit but is no tablature token is
// Msg::BadTab.
class TablatureExpander : public Expander {
 public:
  void expand(Tokens& tokens, const LengthGroup& length, NoteText& group) override;
};

}  // namespace scoretext::tab
