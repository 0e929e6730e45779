#include "lyric/lyric_notes.h"

#include <optional>

#include "frontend/note_name.h"
#include "frontend/tool_error.h"
#include "vocal/note_attributes.h"
#include "vocal/sung_note.h"

namespace scoretext::lyric {

namespace {

using vocal::kLyricDialect;

struct SungLength {
  bool tie = false;
  bool articulation = false;
};

// The length group of a sung note, written into `line`.  The tie ends it:
// 4 ) ]3 C4 has no note.
SungLength parse_length(Tokens& tokens, std::string& line) {
  vocal::SungLength read;
  if (!vocal::read_sung_length(tokens, kLyricDialect, read)) throw ToolError(Msg::Malformed);
  SungLength group;
  group.tie = read.tie;
  line.append(read.length);
  if (read.tie) {
    line.append(" )");
    return group;
  }
  if (!read.bracket.empty()) {
    line.push_back(' ');
    line.append(read.bracket);
  }
  if (!read.articulation.empty()) {
    group.articulation = true;
    line.push_back(' ');
    line.append(read.articulation);
  }
  return group;
}

}  // namespace

void LyricNotes::handle(Run& run) {
  Tokens& tokens = run.tokens;
  line_.clear();
  const SungLength group = parse_length(tokens, line_);
  const bool continuation = run.pending_tie;
  run.pending_tie = group.tie;
  if (continuation) {
    vocal::check_continuation_ends(tokens, kLyricDialect);
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
  const std::optional<vocal::SungVelocity> velocity = vocal::read_sung_velocity(tokens, kLyricDialect);
  const bool velocity_given = velocity.has_value();
  if (velocity_given) {
    line_.push_back(' ');
    line_.append(velocity->token);
  }
  // The input's own lyric gives way to the next entry of the lyric file.
  std::string_view own_lyric;
  vocal::read_lyric_token(tokens, own_lyric);
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
    if (vocal::is_text_token(token)) continue;
    if (!checks.take(token)) throw ToolError(Msg::AttributeUnknown);
    line_.append(first ? "  " : " ");
    line_.append(token);
    first = false;
  }
}

}  // namespace scoretext::lyric
