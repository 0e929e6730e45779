// morrik's note statement: a length group, then up to eight absolute notes
// such as C4, E4B or G-1#, each optionally followed by a velocity V0..V127,
// or the rest mark "X"; then, optionally, one quoted comment that is copied
// to the end of the output line and never repeated.
#pragma once

#include <string>

#include "frontend/note_writer.h"

namespace scoretext::melody {

// Reads the notes (or the rest mark) that follow the length group into the
// note group: " *C4 V100 *E4b".  Stops at the end of the statement, at a
// quoted token, or at a token that cannot begin a note; such a token is left
// for the writer.
class MelodyNotes : public Expander {
 public:
  void expand(Tokens& tokens, const LengthGroup& length, NoteText& group) override;
};

class MelodyWriter : public NoteWriter {
 public:
  explicit MelodyWriter(MelodyNotes& notes) : NoteWriter(notes) {}

  // Writes "<length> <group> [<comment> ]" and the line end.
  void handle(Run& run) override;
  void reset() override;

  const std::string& comment() const { return comment_; }

 private:
  std::string comment_;
};

}  // namespace scoretext::melody
