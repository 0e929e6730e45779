#include "chord/explicit_notes.h"

#include "frontend/note_group.h"
#include "frontend/note_name.h"

namespace scoretext::chord {

void read_explicit_notes(Tokens& tokens, NoteText& group) {
  read_notes(
      tokens, group,
      [](std::string_view token, NoteText& notes) {
        if (token.empty() || token[0] != '*') return false;
        notes += " *";
        notes += normalise_note(token.substr(1));
        return true;
      },
      no_token_left);
}

}  // namespace scoretext::chord
