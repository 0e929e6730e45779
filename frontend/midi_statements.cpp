#include "frontend/midi_statements.h"

#include <array>
#include <string>
#include <string_view>

#include "frontend/note_name.h"
#include "frontend/score_tables.h"
#include "frontend/signed_number.h"
#include "frontend/tool_error.h"
#include "frontend/word_list.h"

namespace scoretext {

namespace {

// Channel messages with their own keywords: one or two values.
struct Message {
  std::string_view keyword;
  int values;  // 1 or 2
  std::int32_t lowest, highest;
  Msg range;
  Msg second_missing;  // for the two-value messages
};

constexpr std::array<Message, 9> kMessages = {{
    {"PB", 1, -8192, 8191, Msg::PitchBendRange, Msg::Malformed},
    {"PCH", 1, 0, 127, Msg::ProgramChangeRange, Msg::Malformed},
    {"CP", 1, 0, 127, Msg::PressureRange, Msg::Malformed},
    {"RPN1", 2, 0, 127, Msg::Rpn1Range, Msg::Rpn1Param},
    {"RPN2", 1, 0, 16383, Msg::Rpn2Range, Msg::Malformed},
    {"NRPN1", 2, 0, 127, Msg::Nrpn1Range, Msg::Nrpn1Param},
    {"NRPN2", 1, 0, 16383, Msg::Nrpn2Range, Msg::Malformed},
    {"DE1", 2, 0, 127, Msg::De1Range, Msg::De1Param},
    {"DE2", 1, 0, 16383, Msg::De2Range, Msg::Malformed},
}};

constexpr std::array<std::string_view, 16> kSevenBit = {"BS", "MD", "BC", "FC", "PT", "DE", "VO", "BL",
                                                        "PN", "EX", "EF1", "EF2", "GC1", "GC2", "GC3", "GC4"};
constexpr std::array<std::string_view, 15> kFourteenBit = {"BS2", "MD2", "BC2", "FC2", "PT2",
                                                           "VO2", "BL2", "PN2", "EX2", "EF12",
                                                           "EF22", "GC12", "GC22", "GC32", "GC42"};
constexpr std::array<std::string_view, 6> kSwitches = {"HO1", "PR", "SS", "SF", "LF", "HO2"};
constexpr std::array<std::string_view, 21> kFurtherSevenBit = {"VS", "TI",   "RE",  "AT",  "BR",  "DT", "VR",
                                                               "VD", "VL",   "CS10", "GC5", "GC6", "GC7", "GC8",
                                                               "PC", "ED",  "TD",  "CD",  "SD",  "FD", "HLD"};

// "CC#0".."CC#119" and "MM#120".."MM#127", written without leading zeros.
bool in_cc_list(std::string_view name) {
  const bool cc = name.substr(0, 3) == "CC#";
  const bool mm = name.substr(0, 3) == "MM#";
  if (!cc && !mm) return false;
  const std::string_view digits = name.substr(3);
  if (digits.empty() || digits.size() > 3 || (digits.size() > 1 && digits[0] == '0')) return false;
  int v = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  return cc ? v <= 119 : (v >= 120 && v <= 127);
}

// Reads, checks and writes one value token.
void value(Run& run, std::int32_t lowest, std::int32_t highest, Msg range) {
  const std::string_view token = run.tokens.current();
  const std::int32_t v = parse_signed(token);
  if (v < lowest || v > highest) throw ToolError(range);
  run.out.write(token);
  run.tokens.advance();
}

void write_note(Run& run) {
  const WrittenNote note = normalise_note(run.tokens.current());
  run.out.put('*');
  run.out.write(note);
  run.tokens.advance();
}

void channel_message(Run& run, const Message& m) {
  value(run, m.lowest, m.highest, m.range);
  if (m.values == 2) {
    // The blank belongs to the first value: it is written before the second
    // value is looked at, even when that value is missing.
    run.out.put(' ');
    if (run.tokens.at_end()) throw ToolError(m.second_missing);
    value(run, m.lowest, m.highest, m.range);
  }
  run.out.put('\n');
}

void note_on(Run& run) {
  write_note(run);
  const std::string_view velocity = run.tokens.current();
  if (!velocity.empty() && velocity[0] == 'V') {
    const std::int32_t v = parse_signed(velocity.substr(1));
    if (v < 0 || v > kVelocityMax) throw ToolError(Msg::NoteOnVelocityRange);
    run.out.put(' ');
    run.out.write(velocity);
    run.tokens.advance();
  }
  run.out.put('\n');
}

void switch_value(Run& run) {
  const std::string_view token = run.tokens.current();
  if (token != "ON" && token != "OFF") throw ToolError(Msg::SwitchValue);
  run.out.write(token);
  run.out.put('\n');
  run.tokens.advance();
}

enum class Form { None, Message, NoteOn, Pressure, NoteOff, Controller7, Controller14, Switch };

Form classify(std::string_view k, const ToolConfig& config, const Message*& message) {
  for (const Message& m : kMessages) {
    if (m.keyword == k) {
      message = &m;
      return Form::Message;
    }
  }
  if (k == "NON") return Form::NoteOn;
  if (k == "PP") return Form::Pressure;
  if (k == "NOFF") return Form::NoteOff;
  if (config.midi_cc_list && in_cc_list(k)) return Form::Controller7;
  if (in_list(kSevenBit, k)) return Form::Controller7;
  if (in_list(kFourteenBit, k)) return Form::Controller14;
  if (in_list(kSwitches, k)) return Form::Switch;
  if (in_list(kFurtherSevenBit, k)) return Form::Controller7;
  return Form::None;
}

}  // namespace

bool recognise_midi_statement(Run& run) {
  const std::string_view first = run.tokens.current();
  if (first.empty() || first[0] != '!') return false;
  run.check_tie();
  const Message* message = nullptr;
  const Form form = classify(first.substr(1), run.config, message);
  if (form == Form::None) return false;
  run.out.write(first);
  run.out.put(' ');
  run.tokens.advance();
  switch (form) {
    case Form::Message:
      channel_message(run, *message);
      break;
    case Form::NoteOn:
      note_on(run);
      break;
    case Form::Pressure:
      write_note(run);
      run.out.put(' ');
      value(run, 0, 127, Msg::PressureRange);
      run.out.put('\n');
      break;
    case Form::NoteOff:
      write_note(run);
      run.out.put('\n');
      break;
    case Form::Controller7:
      value(run, 0, 127, Msg::ControllerRange);
      run.out.put('\n');
      break;
    case Form::Controller14:
      value(run, 0, 16383, Msg::ControllerRange);
      run.out.put('\n');
      break;
    case Form::Switch:
      switch_value(run);
      break;
    case Form::None:
      break;
  }
  run.check_no_more_tokens();
  return true;
}

}  // namespace scoretext
