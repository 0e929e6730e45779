// talven's note statement: chord names are checked against the older
// vocabulary and written as they stand; one velocity token may follow the
// chord, or stand alone to repeat the previous chord with a new velocity.
#pragma once

#include <string>
#include <string_view>

#include "frontend/note_writer.h"

namespace scoretext::chord {

// Checks what follows the length group: a chord name (the note group is the
// name as written), explicit notes, the rest mark, or nothing.
class OlderChordChecker : public Expander {
 public:
  void expand(Tokens& tokens, const LengthGroup& length, NoteText& group) override;
};

// The note-statement writer with the trailing velocity step.
class OlderChordWriter : public NoteWriter {
 public:
  explicit OlderChordWriter(Expander& expander) : NoteWriter(expander) {}
  void handle(Run& run) override;
};

// The note group with every velocity word dropped (the blank before it is
// kept), then a blank and the new velocity token: "1Cm7 V90" with V60 gives
// "1Cm7  V60".
std::string with_new_velocity(std::string_view group, std::string_view velocity);

}  // namespace scoretext::chord
