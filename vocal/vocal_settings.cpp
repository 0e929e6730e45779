#include "vocal/vocal_settings.h"

#include <cstdint>
#include <string>

#include "frontend/score_tables.h"
#include "frontend/signed_number.h"
#include "frontend/tool_error.h"

namespace scoretext::vocal {

namespace {

enum class InPattern { Refused, Allowed };

void check_state(const PartState& part, InPattern in_pattern) {
  if (part.pending_tie) throw ToolError(Msg::TiePending);
  if (in_pattern == InPattern::Refused && part.pattern_open()) throw ToolError(Msg::NeedPE);
}

// The statement ends after `arguments` tokens besides its keyword.
void check_no_more(const VocalTokens& tokens, std::size_t arguments) {
  if (tokens.size() > arguments + 1) throw ToolError(Msg::Extra);
}

std::int32_t number_within(std::string_view token, std::int32_t low, std::int32_t high, Msg message) {
  const std::int32_t value = parse_signed(token);
  if (value < low || value > high) throw ToolError(message);
  return value;
}

void append_marker(PartState& part, RecordKind kind) {
  VocalRecord record;
  record.kind = kind;
  record.style = part.style;
  part.table.append(std::move(record));
}

void time_signature(const VocalTokens& tokens, PartState& part) {
  check_state(part, InPattern::Refused);
  const std::optional<int> index = find_time_signature(tokens.at(1));
  if (!index) throw ToolError(Msg::RangeOutside);
  check_no_more(tokens, 1);
  append_marker(part, RecordKind::TimeSignature);
  part.table.back().time_signature = *index;
}

void tempo(const VocalTokens& tokens, PartState& part) {
  check_state(part, InPattern::Refused);
  const std::int32_t bpm = number_within(tokens.at(1), 1, INT32_MAX, Msg::RangeExceeded);
  check_no_more(tokens, 1);
  append_marker(part, RecordKind::Tempo);
  part.table.back().tempo = bpm;
}

void key(const VocalTokens& tokens, PartState& part) {
  check_state(part, InPattern::Refused);
  const std::optional<int> index = find_key(tokens.at(1));
  if (!index || (tokens.at(2) != "0" && tokens.at(2) != "1")) throw ToolError(Msg::Malformed);
  check_no_more(tokens, 2);
  part.pitch.key_index = *index;
}

void transposition(const VocalTokens& tokens, PartState& part) {
  check_state(part, InPattern::Refused);
  part.pitch.transposition = number_within(tokens.at(1), -30, 30, Msg::RangeExceeded);
  check_no_more(tokens, 1);
}

void beat_snap(const VocalTokens& tokens, PartState& part) {
  check_state(part, InPattern::Allowed);
  check_no_more(tokens, 0);
  append_marker(part, RecordKind::BeatSnap);
}

void scale_mode(const VocalTokens& tokens, PartState& part) {
  check_state(part, InPattern::Refused);
  // Compared as text: "+5" and "05" are no modes.
  const std::string_view token = tokens.at(1);
  int mode = 0;
  while (mode < kScaleModes && token != std::to_string(mode)) ++mode;
  if (mode == kScaleModes) throw ToolError(Msg::Malformed);
  check_no_more(tokens, 1);
  part.pitch.scale_mode = mode;
}

void staccato_default(const VocalTokens& tokens, PartState& part) {
  check_state(part, InPattern::Refused);
  part.staccato_default = number_within(tokens.at(1), 0, 8, Msg::RangeExceeded);
  check_no_more(tokens, 1);
}

void natural(const VocalTokens& tokens, PartState& part, bool set) {
  check_state(part, InPattern::Refused);
  const std::optional<int> letter = find_letter(tokens.at(1));
  if (!letter) throw ToolError(Msg::Malformed);
  bool& flag = part.pitch.natural[static_cast<std::size_t>(*letter)];
  if (set && flag) throw ToolError(Msg::Twice);
  if (!set && !flag) throw ToolError(Msg::SsnMissing);
  flag = set;
  check_no_more(tokens, 1);
}

int pattern_number(std::string_view token, int lowest) {
  return number_within(token, lowest, limits::kPatterns - 1, Msg::PatternRange);
}

void pattern_start(const VocalTokens& tokens, PartState& part) {
  if (part.pending_tie) throw ToolError(Msg::TiePending);
  if (part.pattern_open()) throw ToolError(Msg::InsidePattern);
  const int n = pattern_number(tokens.at(1), 0);
  check_no_more(tokens, 1);
  PatternSpan& pattern = part.patterns[static_cast<std::size_t>(n)];
  if (pattern.start) throw ToolError(Msg::PatternTwice);
  pattern.start = part.table.size();
  part.open_pattern = n;
  part.block_start = part.table.size();
}

void pattern_end(const VocalTokens& tokens, PartState& part) {
  if (part.pending_tie) throw ToolError(Msg::TiePending);
  if (!part.pattern_open()) throw ToolError(Msg::NoPS);
  check_no_more(tokens, 0);
  part.patterns[static_cast<std::size_t>(part.open_pattern)].end = part.table.size();
  part.open_pattern = -1;
  part.block_start = part.table.size();
}

void pattern_replay(const VocalTokens& tokens, PartState& part) {
  if (part.pending_tie) throw ToolError(Msg::TiePending);
  if (part.pattern_open()) throw ToolError(Msg::InsidePattern);
  const int n = pattern_number(tokens.at(1), 1);
  check_no_more(tokens, 1);
  const PatternSpan& pattern = part.patterns[static_cast<std::size_t>(n)];
  if (!pattern.start || !pattern.end) throw ToolError(Msg::PatternUndefined);
  part.table.append_copies(*pattern.start, *pattern.end);
}

}  // namespace

bool take_setting(const VocalTokens& tokens, PartState& part) {
  const std::string_view keyword = tokens.at(0);
  if (keyword == "SB") {
    time_signature(tokens, part);
  } else if (keyword == "ST") {
    tempo(tokens, part);
  } else if (keyword == "SK") {
    key(tokens, part);
  } else if (keyword == "SC") {
    transposition(tokens, part);
  } else if (keyword == "SV" || keyword == "SL1" || keyword == "SL2") {
    beat_snap(tokens, part);
  } else if (keyword == "SN") {
    scale_mode(tokens, part);
  } else if (keyword == "SS") {
    staccato_default(tokens, part);
  } else if (keyword == "SSN") {
    natural(tokens, part, true);
  } else if (keyword == "SRN") {
    natural(tokens, part, false);
  } else {
    return false;
  }
  return true;
}

bool take_pattern(const VocalTokens& tokens, PartState& part) {
  const std::string_view keyword = tokens.at(0);
  if (keyword == "PS") {
    pattern_start(tokens, part);
  } else if (keyword == "PE") {
    pattern_end(tokens, part);
  } else if (keyword == "PR") {
    pattern_replay(tokens, part);
  } else {
    return false;
  }
  return true;
}

}  // namespace scoretext::vocal
