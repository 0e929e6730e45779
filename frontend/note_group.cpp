#include "frontend/note_group.h"

#include "frontend/score_tables.h"
#include "frontend/signed_number.h"

namespace scoretext {

bool take_rest_mark(Tokens& tokens, const LengthGroup& length, NoteText& group) {
  if (tokens.current() != "X") return false;
  if (length.articulation) throw ToolError(Msg::RestArticulation);
  tokens.advance();
  if (!tokens.at_end()) throw ToolError(Msg::Extra);
  group.assign("X");
  return true;
}

int check_velocity(std::string_view token) {
  if (const int plain = plain_velocity(token); plain >= 0) return plain;
  const std::int32_t v = parse_signed(token.substr(1));
  if (v < 0 || v > kVelocityMax) throw ToolError(Msg::VelocityRange);
  return v;
}

bool take_velocity(Tokens& tokens, NoteText& group) {
  const std::string_view velocity = tokens.current();
  if (velocity.empty() || velocity[0] != 'V') return false;
  check_velocity(velocity);
  group.append_word(velocity);
  tokens.advance();
  return true;
}

}  // namespace scoretext
