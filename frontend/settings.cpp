#include "frontend/settings.h"

#include <string_view>

#include "frontend/midi_statements.h"
#include "frontend/setting_table.h"
#include "frontend/tool_error.h"

namespace scoretext {

namespace {

void write_number(Run& run, SettingRange range) {
  number_operand(run.tokens.current(), range);
  run.out.write(run.tokens.current());
}

void letter_operands(Run& run, SettingKind kind) {
  const int letter = letter_operand(run.tokens.current());
  LetterStates& s = run.letters;
  switch (kind) {
    case SettingKind::Natural:
      if (s.natural[letter]) throw ToolError(Msg::Twice);
      s.natural[letter] = true;
      break;
    case SettingKind::Unnatural:
      if (!s.natural[letter]) throw ToolError(Msg::SsnMissing);
      s.natural[letter] = false;
      break;
    case SettingKind::Accidental:
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
  run.out.write(key_operand(run.tokens.current()).written);
  run.out.put(' ');
  run.tokens.advance();
  key_mode_operand(run.tokens.current());
  run.out.write(run.tokens.current());
}

void operands(Run& run, SettingKind kind) {
  switch (kind) {
    case SettingKind::Time:
      time_signature_operand(run.tokens.current());
      run.out.write(run.tokens.current());
      break;
    case SettingKind::Tempo:
      write_number(run, kTempoRange);
      break;
    case SettingKind::Key:
      key_operands(run);
      break;
    case SettingKind::Transpose:
      write_number(run, kTransposeRange);
      break;
    case SettingKind::ScaleMode:
      scale_mode_operand(run.tokens.current(), kTextScaleModeHighest);
      run.out.write(run.tokens.current());
      break;
    case SettingKind::Staccato:
      write_number(run, kStaccatoRange);
      break;
    default:
      letter_operands(run, kind);
      break;
  }
  run.tokens.advance();
}

bool has_operand(SettingKind kind) { return kind != SettingKind::NoOperand && kind != SettingKind::BeatSnap; }

const SettingKeyword* find_setting(std::string_view keyword, const ToolConfig& config) {
  const SettingKeyword* s = find_setting_keyword(keyword, kTextTools);
  return (s != nullptr && s->accidental_family && !config.accidental_settings) ? nullptr : s;
}

}  // namespace

bool recognise_setting(Run& run) {
  const std::string_view keyword = run.tokens.current();
  const SettingKeyword* s = (!keyword.empty() && keyword[0] == 'S') ? find_setting(keyword, run.config) : nullptr;
  if (s == nullptr) return run.config.midi_statements && recognise_midi_statement(run);
  if (s->tie_check) run.check_tie();
  if (s->refused_in_block && run.patterns.is_open()) throw ToolError(Msg::NeedPE);
  run.out.write(s->keyword);
  run.tokens.advance();
  if (has_operand(s->kind)) {
    run.out.put(' ');
    operands(run, s->kind);
  }
  run.out.put('\n');
  run.check_no_more_tokens();
  if (s->resets) run.reset_note_state();
  return true;
}

}  // namespace scoretext
