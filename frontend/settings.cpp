#include "frontend/settings.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "frontend/midi_statements.h"
#include "frontend/score_tables.h"
#include "frontend/signed_number.h"
#include "frontend/tool_error.h"
#include "frontend/word_list.h"

namespace scoretext {

namespace {

constexpr std::array<std::string_view, 17> kKeys = {"#7", "#6", "#5", "#4", "#3", "#2", "#1", "#", "0",
                                                    "b",  "b1", "b2", "b3", "b4", "b5", "b6", "b7"};
constexpr std::array<std::string_view, 7> kLetters = {"C", "D", "E", "F", "G", "A", "B"};

enum class Kind { Time, Tempo, Key, NoOperand, Transpose, SnValue, SsValue, Natural, Unnatural, Accidental, Clear };

struct Setting {
  std::string_view keyword;
  Kind kind;
  bool tie_check;
  bool refused_in_block;
  bool resets;
  bool accidental_family;  // SS#, SSB, SSC: not known to every tool
};

constexpr std::array<Setting, 14> kSettings = {{
    {"SB", Kind::Time, true, true, true, false},
    {"ST", Kind::Tempo, true, true, true, false},
    {"SK", Kind::Key, true, true, true, false},
    {"SC4", Kind::NoOperand, false, false, true, false},
    {"SC", Kind::Transpose, true, true, true, false},
    {"SCN", Kind::Transpose, true, true, true, false},
    {"SV", Kind::NoOperand, true, false, true, false},
    {"SN", Kind::SnValue, true, true, false, false},
    {"SS", Kind::SsValue, true, true, true, false},
    {"SSN", Kind::Natural, true, true, false, false},
    {"SRN", Kind::Unnatural, true, true, false, false},
    {"SS#", Kind::Accidental, true, true, false, true},
    {"SSB", Kind::Accidental, true, true, false, true},
    {"SSC", Kind::Clear, true, true, false, true},
}};

bool is_sn_value(std::string_view t) {
  if (t.size() == 1) return t[0] >= '0' && t[0] <= '9';
  if (t.size() == 2) return (t[0] == '1' && t[1] >= '0' && t[1] <= '9') || t == "20";
  return false;
}

// Numeric operand: checked with the number parser, written as it stands.
void number_operand(Run& run, std::int32_t lowest, std::int32_t highest) {
  const std::string_view token = run.tokens.current();
  const std::int32_t n = parse_signed(token);
  if (n < lowest || n > highest) throw ToolError(Msg::RangeExceeded);
  run.out.write(token);
}

int letter_index(std::string_view token) {
  const auto it = std::find(kLetters.begin(), kLetters.end(), token);
  if (it == kLetters.end()) throw ToolError(Msg::Malformed);
  return static_cast<int>(it - kLetters.begin());
}

void letter_operand(Run& run, Kind kind) {
  const int letter = letter_index(run.tokens.current());
  LetterStates& s = run.letters;
  switch (kind) {
    case Kind::Natural:
      if (s.natural[letter]) throw ToolError(Msg::Twice);
      s.natural[letter] = true;
      break;
    case Kind::Unnatural:
      if (!s.natural[letter]) throw ToolError(Msg::SsnMissing);
      s.natural[letter] = false;
      break;
    case Kind::Accidental:
      if (s.accidental[letter]) throw ToolError(Msg::Twice);
      s.accidental[letter] = true;
      break;
    default:
      if (!s.accidental[letter]) throw ToolError(Msg::SsAccidentalMissing);
      s.accidental[letter] = false;
      break;
  }
  run.out.write(run.tokens.current());
}

void key_operands(Run& run) {
  std::string key(run.tokens.current());
  const std::size_t flat = key.find('B');
  if (flat != std::string::npos) key[flat] = 'b';
  if (!in_list(kKeys, key)) throw ToolError(Msg::Malformed);
  run.out.write(key);
  run.out.put(' ');
  run.tokens.advance();
  const std::string_view mode = run.tokens.current();
  if (mode != "0" && mode != "1") throw ToolError(Msg::Malformed);
  run.out.write(mode);
}

void operands(Run& run, Kind kind) {
  switch (kind) {
    case Kind::Time:
      if (!find_time_signature(run.tokens.current())) throw ToolError(Msg::RangeOutside);
      run.out.write(run.tokens.current());
      break;
    case Kind::Tempo:
      number_operand(run, 1, INT32_MAX);
      break;
    case Kind::Key:
      key_operands(run);
      break;
    case Kind::Transpose:
      number_operand(run, -30, 30);
      break;
    case Kind::SnValue:
      if (!is_sn_value(run.tokens.current())) throw ToolError(Msg::Malformed);
      run.out.write(run.tokens.current());
      break;
    case Kind::SsValue:
      number_operand(run, 0, 8);
      break;
    case Kind::NoOperand:
      return;
    default:
      letter_operand(run, kind);
      break;
  }
  run.tokens.advance();
}

const Setting* find_setting(std::string_view keyword, const ToolConfig& config) {
  for (const Setting& s : kSettings) {
    if (s.keyword == keyword) return (s.accidental_family && !config.accidental_settings) ? nullptr : &s;
  }
  return nullptr;
}

}  // namespace

bool recognise_setting(Run& run) {
  const std::string_view keyword = run.tokens.current();
  const Setting* s = (!keyword.empty() && keyword[0] == 'S') ? find_setting(keyword, run.config) : nullptr;
  if (s == nullptr) return run.config.midi_statements && recognise_midi_statement(run);
  if (s->tie_check) run.check_tie();
  if (s->refused_in_block && run.patterns.is_open()) throw ToolError(Msg::NeedPE);
  run.out.write(s->keyword);
  run.tokens.advance();
  if (s->kind == Kind::NoOperand) {
    run.out.put('\n');
  } else {
    run.out.put(' ');
    operands(run, s->kind);
    run.out.put('\n');
  }
  run.check_no_more_tokens();
  if (s->resets) run.reset_note_state();
  return true;
}

}  // namespace scoretext
