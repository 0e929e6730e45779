// The start of every note statement: a length token, optionally the tie ")",
// one bracket token "]2".."]9" and one articulation token.
#pragma once

#include <string>
#include <string_view>

#include "frontend/messages.h"
#include "frontend/note_text.h"
#include "frontend/tokens.h"

namespace scoretext {

bool is_length_token(std::string_view token);
bool is_bracket_token(std::string_view token);
// "DL", "DL1".."DL4", "S", "S0".."S8", "&01".."&99", "&100".."&200".
bool is_articulation_token(std::string_view token);
// The drum articulations "&01".."&200" alone.
bool is_ampersand_token(std::string_view token);

struct LengthGroup {
  NoteText text;   // length token, " )", " ]n", " articulation"
  bool tie = false;
  bool articulation = false;

  // Parses the group at the token position and leaves the position on the
  // first token after it.  A first token that is no length throws
  // `bad_length`; an articulation after the tie throws Msg::TiePending.
  void parse(Tokens& tokens, Msg bad_length);
};

}  // namespace scoretext
