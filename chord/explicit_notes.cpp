#include "explicit_notes.h"

#include "note_group.h"
#include "note_name.h"
#include "signed_number.h"
#include "tool_error.h"

namespace scoretext::chord {

void check_velocity(std::string_view token) {
  const std::int32_t v = parse_signed(token.substr(1));
  if (v < 0 || v > 127) throw ToolError(Msg::VelocityRange);
}

void read_explicit_notes(Tokens& tokens, std::string& group) {
  read_notes(
      tokens, group,
      [](std::string_view token, std::string& notes) {
        if (token.empty() || token[0] != '*') return false;
        notes += " *";
        notes += normalise_note(token.substr(1));
        return true;
      },
      no_token_left);
}

}  // namespace scoretext::chord
