// Pieces of a note group that the tools' expanders share: the rest mark,
// and a row of up to eight notes, each optionally followed by a velocity.
#pragma once

#include <string>

#include "frontend/limits.h"
#include "frontend/length_group.h"
#include "frontend/score_tables.h"
#include "frontend/tokens.h"
#include "frontend/tool_error.h"

namespace scoretext {

// If the token at the position is the rest mark "X", takes it: the group
// becomes "X"; an articulation in the length group, or any token after the
// mark, is refused.  Returns false (nothing taken) for any other token.
bool take_rest_mark(Tokens& tokens, const LengthGroup& length, NoteText& group);

// Checks a velocity token, "V" and a signed number 0..127, and returns the
// number.  Throws Msg::Malformed when the text after the V is no number and
// Msg::VelocityRange when it lies outside the range.  Every tool reads its
// velocities through this; the drum tools first ask for a digit after the V
// (is_velocity_token in drum/drumdef.h).
int check_velocity(std::string_view token);
// The usual velocity, "V" and one to three digits, read without the number
// parser: its value, or -1 when the token has any other form or lies
// outside the range.
inline int plain_velocity(std::string_view token) {
  const std::size_t n = token.size();
  if (n < 2 || n > 4) return -1;
  int v = 0;
  for (std::size_t i = 1; i < n; ++i) {
    const unsigned digit = static_cast<unsigned char>(token[i]) - '0';
    if (digit > 9) return -1;
    v = v * 10 + static_cast<int>(digit);
  }
  return v <= kVelocityMax ? v : -1;
}
inline bool plain_velocity_in_range(std::string_view token) { return plain_velocity(token) >= 0; }

// If the token at the position is a velocity token, "V" and a number 0..127
// (Msg::VelocityRange beyond; Msg::Malformed for what is no number),
// appends a blank and the token as written and steps past it.
bool take_velocity(Tokens& tokens, NoteText& group);

// Reads notes from the position: `read_note(token, group)` appends the note
// for one token and returns true, or returns false where the notes end
// (the token is left).  `ends(tokens)` tells where the group ends whatever
// the token.  After the eighth note any token but an end is one too many.
template <class ReadNote, class Ends>
void read_notes(Tokens& tokens, NoteText& group, ReadNote&& read_note, Ends&& ends) {
  for (int count = 1;; ++count) {
    if (!read_note(tokens.current(), group)) return;
    tokens.advance();
    if (ends(tokens)) return;
    if (take_velocity(tokens, group) && ends(tokens)) return;
    if (count == limits::kNotesPerStatement) throw ToolError(Msg::TooManyNotes);
  }
}

// The usual end of a note group: no token left.
inline bool no_token_left(const Tokens& tokens) { return tokens.at_end(); }

}  // namespace scoretext
