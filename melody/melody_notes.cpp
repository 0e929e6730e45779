#include "melody/melody_notes.h"

#include "frontend/note_group.h"
#include "frontend/note_name.h"
#include "frontend/tool_error.h"

namespace scoretext::melody {

namespace {

bool is_quoted(std::string_view token) { return !token.empty() && token[0] == '"'; }

// True when the note group may go on with the token at the position.
bool more_notes_follow(const Tokens& tokens) { return !tokens.at_end() && !is_quoted(tokens.current()); }

}  // namespace

void MelodyNotes::expand(Tokens& tokens, const LengthGroup& length, NoteText& group) {
  if (!more_notes_follow(tokens) || take_rest_mark(tokens, length, group)) return;
  read_notes(
      tokens, group,
      [](std::string_view token, NoteText& notes) {
        if (token[0] < 'A' || token[0] > 'G') return false;
        notes += " *";
        notes += normalise_note(token);
        return true;
      },
      [](const Tokens& t) { return !more_notes_follow(t); });
}

void MelodyWriter::handle(Run& run) {
  comment_.clear();
  if (!take_group(run, Msg::NoNotes)) return;
  // The chosen group is the saved group from here on.
  const NoteText& group = saved_;
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

}  // namespace scoretext::melody
