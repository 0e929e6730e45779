#include "drum/smf_part.h"

#include <optional>
#include <span>

#include "drum/limits.h"
#include "frontend/macro_table.h"
#include "frontend/note_group.h"
#include "frontend/main_loop.h"
#include "frontend/score_tables.h"
#include "frontend/signed_number.h"
#include "frontend/tool_error.h"

namespace scoretext::drum {

namespace {

// Whole to thirty-second notes, each plain, dotted and double-dotted: the
// score text's lengths without the longest and the shortest.
constexpr std::span<const LengthTicks> kStepLengths = std::span(kLengthTicks).subspan(6, 18);
static_assert(kStepLengths.front().token == "1" && kStepLengths.back().token == "32..");

std::optional<int> step_ticks(std::string_view token) {
  for (const LengthTicks& l : kStepLengths) {
    if (l.token == token) return l.ticks;
  }
  return std::nullopt;
}

// "]2" to "]32": the divisor of a tuplet step.
std::optional<int> tuplet_divisor(std::string_view token) {
  if (token.size() < 2 || token.size() > 3 || token[0] != ']' || token[1] == '0') return std::nullopt;
  int n = 0;
  for (const char c : token.substr(1)) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  if (n < 2 || n > 32) return std::nullopt;
  return n;
}

// After a step, a token beginning with "V" is its velocity: the drum form,
// "V" and a digit, is read as every tool reads a velocity; any other is
// refused on its own.
int read_velocity(std::string_view token) {
  if (!is_velocity_token(token)) throw ToolError(Msg::VelocityWrong);
  return check_velocity(token);
}

}  // namespace

ToolConfig smf_part_config() {
  ToolConfig config;
  // The first character of a token does not count: up to 999 characters.
  config.token_refused = limits::kTokenRefusedLong;
  return config;
}

bool SmfPart::setting(Tokens& tokens) {
  const std::string_view keyword = tokens.current();
  if (keyword == "SB") {
    time_signature(tokens);
  } else if (keyword == "ST") {
    tempo(tokens);
  } else {
    return false;
  }
  return true;
}

void SmfPart::time_signature(Tokens& tokens) {
  if (signature_given_) throw ToolError(Msg::SbSetting);
  signature_given_ = true;
  tokens.advance();
  const std::optional<int> found = find_time_signature(tokens.current());
  if (!found) throw ToolError(Msg::RangeOutside);
  tokens.advance();
  tokens.check_at_end();
  const TimeSignature& sig = kTimeSignatures[static_cast<std::size_t>(*found)];
  settings_.numerator = static_cast<std::uint8_t>(sig.numerator);
  settings_.denominator_power = static_cast<std::uint8_t>(sig.denominator_power);
}

void SmfPart::tempo(Tokens& tokens) {
  if (tempo_given_) throw ToolError(Msg::StSetting);
  tempo_given_ = true;
  tokens.advance();
  const std::int32_t value = parse_signed(tokens.current());
  // 0 or less means nothing; 1 to 3 would need more than the 24 bits of the
  // tempo, and above 60,000,000 the tempo would be 0.
  if (value < kTempoValueMin || value > kTempoValueMax) throw ToolError(Msg::RangeExceeded);
  tokens.advance();
  tokens.check_at_end();
  const std::int32_t microseconds = kTempoValueMax / value;
  settings_.tempo = {static_cast<std::uint8_t>(microseconds >> 16), static_cast<std::uint8_t>(microseconds >> 8),
                     static_cast<std::uint8_t>(microseconds)};
}

void SmfPart::instrument(Tokens& tokens) {
  const int found = kit_.find(tokens.current());
  if (found == DrumKit::kNone) throw ToolError(Msg::DrumUnknown);
  tokens.advance();
  while (!tokens.at_end()) step(tokens, static_cast<std::size_t>(found));
}

void SmfPart::step(Tokens& tokens, std::size_t instrument) {
  const std::optional<int> ticks = step_ticks(tokens.current());
  if (!ticks) throw ToolError(Msg::BadLength);
  int length = *ticks;
  tokens.advance();
  if (const std::optional<int> divisor = tuplet_divisor(tokens.current())) {
    length /= *divisor;
    tokens.advance();
  }
  std::int64_t& now = running_[instrument];
  if (tokens.current() == "X") {
    now += length;
    tokens.advance();
    return;
  }
  const int key = kit_[instrument].note;
  const std::int64_t at = now;
  events_.add(kNoteOn, key, kPlainVelocity, at);
  now += length;
  if (!tokens.current().starts_with('V')) return;
  events_.set_last_velocity(read_velocity(tokens.current()));
  events_.add(kNoteOff, key, 0, at + kNoteOffAfter);
  tokens.advance();
}

std::string SmfPart::image() const {
  if (!tempo_given_) throw ToolError(Msg::StSetting);
  if (!signature_given_) throw ToolError(Msg::SbSetting);
  return build_smf_image(events_, settings_);
}

void read_smf_part(StatementReader& reader, SmfPart& part) {
  const ToolConfig config = smf_part_config();
  MacroTable macros;
  Tokens tokens;
  auto settings = handler_of([&](Tokens& t) { return part.setting(t); });
  auto instruments = handler_of([&](Tokens& t) {
    part.instrument(t);
    return true;
  });
  StatementHandlers handlers;
  handlers.settings = &settings;
  handlers.notes = &instruments;
  run_statements(reader, macros, tokens, config, handlers);
}

}  // namespace scoretext::drum
