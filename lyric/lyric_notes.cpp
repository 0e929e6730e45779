#include "lyric/lyric_notes.h"

#include "frontend/length_group.h"
#include "frontend/note_name.h"
#include "frontend/score_tables.h"
#include "frontend/signed_number.h"
#include "frontend/tool_error.h"
#include "vocal/note_attributes.h"

namespace scoretext::lyric {

namespace {

// The articulations of a sung note: DL, DL1..DL4, S, S0..S8, &101..&200.
bool is_sung_articulation(std::string_view t) {
  if (!t.empty() && t[0] == '&') return t.size() == 4 && is_ampersand_token(t) && t != "&100";
  return is_articulation_token(t);
}

struct SungLength {
  bool tie = false;
  bool articulation = false;
};

// The length group of a sung note, written into `line`.  Unlike the other
// tools', the tie ends it: 4 ) ]3 C4 has no note.
SungLength parse_length(Tokens& tokens, std::string& line) {
  SungLength group;
  if (!is_length_token(tokens.current())) throw ToolError(Msg::Malformed);
  line.append(tokens.current());
  tokens.advance();
  if (tokens.current() == ")") {
    group.tie = true;
    line.append(" )");
    tokens.advance();
    return group;
  }
  if (is_bracket_token(tokens.current())) {
    line.push_back(' ');
    line.append(tokens.current());
    tokens.advance();
  }
  if (is_sung_articulation(tokens.current())) {
    group.articulation = true;
    line.push_back(' ');
    line.append(tokens.current());
    tokens.advance();
  }
  return group;
}

bool is_quoted(std::string_view token) { return !token.empty() && token[0] == '"'; }

bool is_dropped_text(std::string_view token) { return token.starts_with("LY\"") || token.starts_with("PH\""); }

}  // namespace

void LyricNotes::handle(Run& run) {
  Tokens& tokens = run.tokens;
  line_.clear();
  const SungLength group = parse_length(tokens, line_);
  const bool continuation = run.pending_tie;
  run.pending_tie = group.tie;
  if (continuation) {
    if (!tokens.at_end()) throw ToolError(Msg::TiePending);
  } else if (tokens.current() == "X") {
    if (group.articulation) throw ToolError(Msg::RestArticulation);
    tokens.advance();
    run.check_no_more_tokens();
    line_.append(" X");
  } else {
    note(tokens);
  }
  line_.push_back('\n');
  run.out.write(line_);
}

void LyricNotes::note(Tokens& tokens) {
  const std::string_view name = tokens.current();
  if (name.empty() || name[0] < 'A' || name[0] > 'G') throw ToolError(Msg::Malformed);
  line_.append("  ");
  line_.append(normalise_note(name));
  tokens.advance();
  const std::string_view velocity = tokens.current();
  const bool velocity_given = !velocity.empty() && velocity[0] == 'V';
  if (velocity_given) {
    const std::int32_t value = parse_signed(velocity.substr(1));
    if (value < 0 || value > kVelocityMax) throw ToolError(Msg::VelocityRange);
    line_.push_back(' ');
    line_.append(velocity);
    tokens.advance();
  }
  // The input's own lyric gives way to the next entry of the lyric file.
  if (is_quoted(tokens.current())) tokens.advance();
  if (next_entry_ < lyrics_.size()) {
    line_.append(" \"");
    line_.append(lyrics_[next_entry_]);
    line_.push_back('"');
  }
  ++next_entry_;
  attributes(tokens, velocity_given);
}

void LyricNotes::attributes(Tokens& tokens, bool velocity_given) {
  vocal::NoteAttributes checks;
  if (velocity_given) checks.velocity_given();
  bool first = true;
  for (; !tokens.at_end(); tokens.advance()) {
    const std::string_view token = tokens.current();
    if (is_dropped_text(token)) continue;
    if (!checks.take(token)) throw ToolError(Msg::AttributeUnknown);
    line_.append(first ? "  " : " ");
    line_.append(token);
    first = false;
  }
}

}  // namespace scoretext::lyric
