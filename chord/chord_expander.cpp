#include "chord/chord_expander.h"

#include "chord/chord_spelling.h"
#include "chord/explicit_notes.h"
#include "frontend/note_group.h"
#include "frontend/tool_error.h"

namespace scoretext::chord {

namespace {

constexpr std::string_view kDefaultVelocity = "V64";

// The chord name at the position, read as written, with its optional
// velocity token.
void expand_chord(Tokens& tokens, NoteText& group) {
  const ChordNotes notes = spell_chord(tokens.current_raw());
  tokens.advance();
  std::string_view velocity = kDefaultVelocity;
  if (!tokens.at_end()) {
    velocity = tokens.current();
    if (velocity[0] != 'V') throw ToolError(Msg::Extra);
    check_velocity(velocity);
    tokens.advance();
    if (!tokens.at_end()) throw ToolError(Msg::Extra);
  }
  append_chord_notes(notes, velocity, group);
}

}  // namespace

void ChordExpander::expand(Tokens& tokens, const LengthGroup& length, NoteText& group) {
  // Nothing, or a velocity alone: the writer repeats the saved note group.
  if (tokens.at_end() || tokens.current()[0] == 'V') return;
  if (take_rest_mark(tokens, length, group)) return;
  if (tokens.current()[0] == '*') {
    read_explicit_notes(tokens, group);
    if (tokens.at_end()) return;
    // A chord name after the notes adds its own notes, one blank apart.
    group += ' ';
  }
  expand_chord(tokens, group);
}

}  // namespace scoretext::chord
