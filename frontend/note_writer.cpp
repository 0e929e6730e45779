#include "frontend/note_writer.h"

#include "frontend/tool_error.h"

namespace scoretext {

bool NoteWriter::begin(Run& run) {
  const bool was_tied = run.pending_tie;
  length_.tie = false;
  length_.articulation = false;
  length_.parse(run.tokens, run.config.bad_length);
  if (was_tied && !run.tokens.at_end()) throw ToolError(Msg::TiePending);
  run.pending_tie = length_.tie;
  run.out.write(length_.text);
  run.out.put(' ');
  if (was_tied) {
    // A tie continuation: only the length is written.
    run.out.put('\n');
    return false;
  }
  return true;
}

void NoteWriter::choose_group(Msg none_saved) {
  // The group becomes the saved group; an empty one takes the saved group.
  if (!group_.empty()) saved_.swap(group_);
  if (saved_.empty()) throw ToolError(none_saved);
}

bool NoteWriter::take_group(Run& run, Msg none_saved) {
  if (!begin(run)) return false;
  group_.clear();
  expander_.expand(run.tokens, length_, group_);
  choose_group(none_saved);
  return true;
}

void NoteWriter::check_rest(const Run& run) const {
  if (saved_ != "X") return;
  if (length_.articulation) throw ToolError(Msg::RestArticulation);
  run.check_no_more_tokens();
}

void NoteWriter::handle(Run& run) {
  if (!take_group(run, Msg::Malformed)) return;
  check_rest(run);
  run.out.write(saved_);
  run.out.put('\n');
  run.check_no_more_tokens();
}

void NoteWriter::reset() {
  length_.text.clear();
  saved_.clear();
}

}  // namespace scoretext
