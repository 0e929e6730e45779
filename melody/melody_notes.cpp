#include "melody_notes.h"

#include "capacities.h"
#include "note_name.h"
#include "signed_number.h"
#include "tool_error.h"

namespace scoretext {

namespace {

bool is_quoted(std::string_view token) { return !token.empty() && token[0] == '"'; }

// True when the note group may go on with the token at the position.
bool more_notes_follow(const Tokens& tokens) { return !tokens.at_end() && !is_quoted(tokens.current()); }

}  // namespace

void MelodyNotes::expand(Tokens& tokens, const LengthGroup& length, std::string& group) {
  if (!more_notes_follow(tokens)) return;
  if (tokens.current() == "X") {
    if (length.articulation) throw ToolError(Msg::RestArticulation);
    tokens.advance();
    if (!tokens.at_end()) throw ToolError(Msg::Extra);
    group.assign(1, 'X');
    return;
  }
  for (int count = 1;; ++count) {
    const std::string_view token = tokens.current();
    if (token[0] < 'A' || token[0] > 'G') return;
    group += " *";
    group += normalise_note(token);
    tokens.advance();
    if (!more_notes_follow(tokens)) return;
    const std::string_view velocity = tokens.current();
    if (velocity[0] == 'V') {
      const std::int32_t v = parse_signed(velocity.substr(1));
      if (v < 0 || v > 127) throw ToolError(Msg::VelocityRange);
      group += ' ';
      group += velocity;
      tokens.advance();
      if (!more_notes_follow(tokens)) return;
    }
    // Whatever follows the eighth note, note or not, is one too many.
    if (count == limits::kNotesPerStatement) throw ToolError(Msg::TooManyNotes);
  }
}

void MelodyWriter::handle(Run& run) {
  comment_.clear();
  if (!begin(run)) return;
  group_.clear();
  expander_.expand(run.tokens, length_, group_);
  choose_group(Msg::NoNotes);
  // The chosen group is the saved group from here on.
  const std::string& group = saved_;
  run.out.write(group);
  run.out.put(' ');
  if (group == "X") {
    // A repeated rest: the articulation check the rest mark had when named.
    if (length_.articulation) throw ToolError(Msg::RestArticulation);
    run.check_no_more_tokens();
    run.out.put('\n');
    return;
  }
  if (!run.tokens.at_end()) {
    if (!is_quoted(run.tokens.current())) throw ToolError(Msg::Malformed);
    comment_ = run.tokens.current();
    run.tokens.advance();
    run.check_no_more_tokens();
    run.out.write(comment_);
    run.out.put(' ');
  }
  run.out.put('\n');
}

void MelodyWriter::reset() {
  NoteWriter::reset();
  comment_.clear();
}

}  // namespace scoretext
