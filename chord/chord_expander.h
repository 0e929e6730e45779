// talven2's expander: a chord name after the length group becomes its notes,
// each with the chord's velocity; explicit notes and the rest mark are taken
// as well.
#pragma once

#include <string>

#include "frontend/note_writer.h"

namespace scoretext::chord {

class ChordExpander : public Expander {
 public:
  void expand(Tokens& tokens, const LengthGroup& length, NoteText& group) override;
};

}  // namespace scoretext::chord
