#include "chord/older_chord.h"

#include "chord/explicit_notes.h"
#include "chord/older_vocabulary.h"
#include "frontend/note_group.h"
#include "frontend/tool_error.h"

namespace scoretext::chord {

void OlderChordChecker::expand(Tokens& tokens, const LengthGroup& length, NoteText& group) {
  if (tokens.at_end() || tokens.current()[0] == 'V') return;
  if (take_rest_mark(tokens, length, group)) return;
  if (tokens.current()[0] == '*') {
    read_explicit_notes(tokens, group);
    // The notes carry their own velocities; nothing may follow them.
    if (!tokens.at_end()) throw ToolError(Msg::Extra);
    return;
  }
  const std::string_view name = tokens.current_raw();
  if (!older::is_chord_name(name)) throw ToolError(Msg::ChordName);
  group.assign(name);
  tokens.advance();
}

std::string with_new_velocity(std::string_view group, std::string_view velocity) {
  std::string out;
  out.reserve(group.size() + velocity.size() + 1);
  std::size_t i = 0;
  while (i < group.size()) {
    const bool word_start = i == 0 || group[i - 1] == ' ';
    if (word_start && group[i] == 'V') {
      while (i < group.size() && group[i] != ' ') ++i;
      continue;
    }
    out += group[i++];
  }
  out += ' ';
  out += velocity;
  return out;
}

void OlderChordWriter::handle(Run& run) {
  // From here on the statement's group is the saved group.
  if (!take_group(run, Msg::Malformed)) return;
  check_rest(run);
  if (!run.tokens.at_end()) {
    const std::string_view velocity = run.tokens.current();
    if (velocity[0] != 'V') throw ToolError(Msg::Extra);
    check_velocity(velocity);
    saved_ = with_new_velocity(saved_, velocity);
    run.tokens.advance();
  }
  run.out.write(saved_);
  run.out.put('\n');
  run.check_no_more_tokens();
}

}  // namespace scoretext::chord
