#include "explicit_notes.h"

#include "capacities.h"
#include "note_name.h"
#include "signed_number.h"
#include "tool_error.h"

namespace scoretext::chord {

void check_velocity(std::string_view token) {
  const std::int32_t v = parse_signed(token.substr(1));
  if (v < 0 || v > 127) throw ToolError(Msg::VelocityRange);
}

void read_explicit_notes(Tokens& tokens, std::string& group) {
  for (int count = 1;; ++count) {
    const std::string_view token = tokens.current();
    if (token.empty() || token[0] != '*') return;
    group += " *";
    group += normalise_note(token.substr(1));
    tokens.advance();
    if (tokens.at_end()) return;
    const std::string_view velocity = tokens.current();
    if (velocity[0] == 'V') {
      check_velocity(velocity);
      group += ' ';
      group += velocity;
      tokens.advance();
      if (tokens.at_end()) return;
    }
    if (count == limits::kNotesPerStatement) throw ToolError(Msg::TooManyNotes);
  }
}

}  // namespace scoretext::chord
