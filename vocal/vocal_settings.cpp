#include "vocal/vocal_settings.h"

#include <cstdint>

#include "frontend/setting_table.h"
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
void check_no_more(const Tokens& tokens, std::size_t arguments) {
  if (tokens.size() > arguments + 1) throw ToolError(Msg::Extra);
}

void append_marker(PartState& part, RecordKind kind) {
  VocalRecord record;
  record.kind = kind;
  record.style = part.style;
  part.table.append(std::move(record));
}

// Key index 1..7 is that many sharps, 8..14 one to seven flats.
KeyMark key_mark(const PartState& part, int key_index, bool minor) {
  KeyMark mark;
  mark.records = part.table.size();
  if (!part.table.empty() && part.table.back().kind == RecordKind::Rest) mark.back_rest = part.table.back().length;
  mark.sharps = key_index <= 7 ? key_index : 7 - key_index;
  mark.minor = minor;
  return mark;
}

void time_signature(const Tokens& tokens, PartState& part) {
  const int index = time_signature_operand(tokens.at(1));
  check_no_more(tokens, 1);
  append_marker(part, RecordKind::TimeSignature);
  part.table.back().time_signature = index;
}

void tempo(const Tokens& tokens, PartState& part) {
  const std::int32_t bpm = number_operand(tokens.at(1), kTempoRange);
  check_no_more(tokens, 1);
  append_marker(part, RecordKind::Tempo);
  part.table.back().tempo = bpm;
}

void key(const Tokens& tokens, PartState& part) {
  const KeyOperand& key = key_operand(tokens.at(1));
  key_mode_operand(tokens.at(2));
  check_no_more(tokens, 2);
  part.pitch.key_index = key.index;
  if (part.key_marks) part.key_marks->push_back(key_mark(part, key.index, tokens.at(2) == "1"));
}

void natural(const Tokens& tokens, PartState& part, bool set) {
  bool& flag = part.pitch.natural[static_cast<std::size_t>(letter_operand(tokens.at(1)))];
  if (set && flag) throw ToolError(Msg::Twice);
  if (!set && !flag) throw ToolError(Msg::SsnMissing);
  flag = set;
  check_no_more(tokens, 1);
}

// Carries out the setting `s` names.
void carry_out(const SettingKeyword& s, const Tokens& tokens, PartState& part) {
  switch (s.kind) {
    case SettingKind::Time:
      return time_signature(tokens, part);
    case SettingKind::Tempo:
      return tempo(tokens, part);
    case SettingKind::Key:
      return key(tokens, part);
    case SettingKind::Transpose:
      part.pitch.transposition = number_operand(tokens.at(1), kTransposeRange);
      return check_no_more(tokens, 1);
    case SettingKind::BeatSnap:
      check_no_more(tokens, 0);
      return append_marker(part, RecordKind::BeatSnap);
    case SettingKind::ScaleMode:
      part.pitch.scale_mode = scale_mode_operand(tokens.at(1), kSungScaleModeHighest);
      return check_no_more(tokens, 1);
    case SettingKind::Staccato:
      part.staccato_default = number_operand(tokens.at(1), kStaccatoRange);
      return check_no_more(tokens, 1);
    case SettingKind::Natural:
      return natural(tokens, part, true);
    default:
      return natural(tokens, part, false);
  }
}

int pattern_number(std::string_view token, int lowest) {
  const std::int32_t n = parse_signed(token);
  if (n < lowest || n >= scoretext::limits::kPatterns) throw ToolError(Msg::PatternRange);
  return n;
}

void pattern_start(const Tokens& tokens, PartState& part) {
  if (part.pending_tie) throw ToolError(Msg::TiePending);
  if (part.pattern_open()) throw ToolError(Msg::InsidePattern);
  const int n = pattern_number(tokens.at(1), 0);
  check_no_more(tokens, 1);
  PatternSpan& pattern = part.pattern(n);
  if (pattern.start) throw ToolError(Msg::PatternTwice);
  pattern.start = part.table.size();
  part.open_pattern = n;
  part.block_start = part.table.size();
}

void pattern_end(const Tokens& tokens, PartState& part) {
  if (part.pending_tie) throw ToolError(Msg::TiePending);
  if (!part.pattern_open()) throw ToolError(Msg::NoPS);
  check_no_more(tokens, 0);
  part.pattern(part.open_pattern).end = part.table.size();
  part.open_pattern = -1;
  part.block_start = part.table.size();
}

void pattern_replay(const Tokens& tokens, PartState& part) {
  if (part.pending_tie) throw ToolError(Msg::TiePending);
  if (part.pattern_open()) throw ToolError(Msg::InsidePattern);
  const int n = pattern_number(tokens.at(1), 1);
  check_no_more(tokens, 1);
  const PatternSpan& pattern = part.pattern(n);
  if (!pattern.start || !pattern.end) throw ToolError(Msg::PatternUndefined);
  part.table.append_copies(*pattern.start, *pattern.end);
}

}  // namespace

bool take_setting(const Tokens& tokens, PartState& part) {
  const SettingKeyword* s = find_setting_keyword(tokens.at(0), kSungParts);
  if (s == nullptr) return false;
  check_state(part, s->refused_in_block ? InPattern::Refused : InPattern::Allowed);
  carry_out(*s, tokens, part);
  return true;
}

bool take_pattern(const Tokens& tokens, PartState& part) {
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
