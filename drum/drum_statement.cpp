#include "drum/drum_statement.h"

#include "drum/drum_notes.h"
#include "frontend/length_group.h"
#include "frontend/note_group.h"
#include "frontend/pitch_names.h"
#include "frontend/score_tables.h"
#include "frontend/signed_number.h"
#include "frontend/tool_error.h"

namespace scoretext::drum {

void DrumStatementWriter::handle(Run& run) {
  Tokens& tokens = run.tokens;
  length_.clear();
  group_.clear();

  if (!is_length_token(tokens.current())) throw ToolError(Msg::BadLength);
  length_.append(tokens.current());
  tokens.advance();
  bool articulation = false;
  if (is_ampersand_token(tokens.current())) {
    articulation = true;
    length_.push_back(' ');
    length_.append(tokens.current());
    tokens.advance();
  }
  run.out.write(length_);
  run.out.put(' ');

  read_group(tokens, articulation);

  // A statement that names nothing repeats the last group, rest included.
  if (group_.empty()) {
    group_ = saved_;
  } else {
    saved_ = group_;
  }
  if (group_.empty()) throw ToolError(Msg::DrumUnknown);
  if (group_ == "X" && articulation) throw ToolError(Msg::DrumAmpersand);

  run.out.write(group_);
  run.out.write(" \n");
}

void DrumStatementWriter::read_group(Tokens& tokens, bool articulation) {
  if (tokens.at_end()) return;
  // The rest mark counts only right after the length group.
  if (tokens.current() == "X") {
    if (articulation) throw ToolError(Msg::DrumAmpersand);
    tokens.advance();
    group_.push_back('X');
    if (!tokens.at_end()) throw ToolError(Msg::Extra);
    return;
  }
  for (int groups = 1;; ++groups) {
    const int index = kit_.find(tokens.current());
    if (index == DrumKit::kNone) throw ToolError(Msg::DrumUnknown);
    group_.append_padded(score_pitch_word(kit_[static_cast<std::size_t>(index)].note));
    tokens.advance();
    if (tokens.at_end()) return;

    const std::string_view velocity = tokens.current();
    if (is_velocity_token(velocity)) {
      check_velocity(velocity);
      group_.append_word(velocity);
      tokens.advance();
      if (tokens.at_end()) return;
    }
    if (groups == kGroupsPerStatement) throw ToolError(Msg::DrumTooMany);
  }
}

void DrumStatementWriter::reset() {
  length_.clear();
  group_.clear();
  saved_.clear();
}

}  // namespace scoretext::drum
