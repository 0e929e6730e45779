#include "vocal/note_attributes.h"

#include <algorithm>
#include <limits>

#include "frontend/signed_number.h"
#include "frontend/tool_error.h"

namespace scoretext::vocal {

namespace {

struct AttributeRule {
  std::string_view keyword;
  std::int32_t low;
  std::int32_t high;
  Msg message;
};

// In the order of enum Attribute.
constexpr std::array<AttributeRule, static_cast<int>(Attribute::Count_)> kAttributeRules = {{
    {"VEL:", 0, 127, Msg::AttributeVelocity},
    {"OPE:", 0, 127, Msg::AttributeOpening},
    {"DA:", 0, 100, Msg::AttributeAccent},
    {"PB:", 0, 100, Msg::AttributeBendDepth},
    {"PL:", 0, 100, Msg::AttributeBendLength},
    {"DD:", 0, 100, Msg::AttributeDecay},
    {"PF:", 0, 1, Msg::AttributeFallPortamento},
    {"PR:", 0, 1, Msg::AttributeRisePortamento},
}};

// In the order of enum ControlKind.
constexpr std::array<AttributeRule, kControlKinds> kControlRules = {{
    {"DYN:", 0, 127, Msg::ControlDyn},
    {"BRE:", 0, 127, Msg::ControlBre},
    {"BRI:", 0, 127, Msg::ControlBri},
    {"CLE:", 0, 127, Msg::ControlCle},
    {"GEN:", 0, 127, Msg::ControlGen},
    {"POR:", 0, 127, Msg::ControlPor},
    {"PIT:", -8192, 8191, Msg::ControlPit},
    {"PBS:", 0, 24, Msg::ControlPbs},
}};

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// One value of a curve: an optional sign, then digits (none reads as 0),
// saturated at the 32-bit limits so that a long run of digits fails the
// range check rather than wrapping.
std::int32_t curve_value(std::string_view text) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) i = 1;
  constexpr std::int64_t kCap = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (!is_digit(text[i])) throw ToolError(Msg::AttributeUnknown);
    value = value * 10 + (text[i] - '0');
    if (value > kCap) value = kCap;
  }
  if (negative) return static_cast<std::int32_t>(-value);
  return static_cast<std::int32_t>(std::min<std::int64_t>(value, kCap - 1));
}

}  // namespace

ControlList parse_control_list(std::string_view text, std::int32_t low, std::int32_t high,
                               Msg range_message) {
  ControlList list;
  for (;;) {
    const std::size_t comma = text.find(',');
    if (list.count == ControlList::kMaxValues) throw ToolError(Msg::ControlTooManyValues);
    const std::int32_t value = curve_value(text.substr(0, comma));
    if (value < low || value > high) throw ToolError(range_message);
    list.values[list.count++] = value;
    if (comma == std::string_view::npos) return list;
    text.remove_prefix(comma + 1);
    if (text.empty()) throw ToolError(Msg::Extra);
  }
}

bool NoteAttributes::take(std::string_view token) {
  for (std::size_t i = 0; i < kAttributeRules.size(); ++i) {
    const AttributeRule& rule = kAttributeRules[i];
    if (!token.starts_with(rule.keyword)) continue;
    const bool repeated =
        values_[i].has_value() || (static_cast<Attribute>(i) == Attribute::Velocity && velocity_given_);
    if (repeated) throw ToolError(rule.message);
    const std::int32_t value = parse_signed(token.substr(rule.keyword.size()));
    if (value < rule.low || value > rule.high) throw ToolError(rule.message);
    values_[i] = value;
    return true;
  }
  for (std::size_t kind = 0; kind < kControlRules.size(); ++kind) {
    const AttributeRule& rule = kControlRules[kind];
    if (!token.starts_with(rule.keyword)) continue;
    if (controls_.lists[kind]) throw ToolError(rule.message);
    controls_.lists[kind] = std::make_shared<const ControlList>(
        parse_control_list(token.substr(rule.keyword.size()), rule.low, rule.high, rule.message));
    has_controls_ = true;
    return true;
  }
  return false;
}

void NoteAttributes::apply(NoteStyle& style, int& velocity) const {
  const auto set = [this](Attribute a, int& field) {
    if (const std::optional<int> v = value(a)) field = *v;
  };
  set(Attribute::Velocity, velocity);
  set(Attribute::Opening, style.opening);
  set(Attribute::Accent, style.accent);
  set(Attribute::BendDepth, style.bend_depth);
  set(Attribute::BendLength, style.bend_length);
  set(Attribute::Decay, style.decay);
  set(Attribute::FallPortamento, style.fall_portamento);
  set(Attribute::RisePortamento, style.rise_portamento);
}

std::shared_ptr<const NoteControls> NoteAttributes::controls() const {
  if (!has_controls_) return nullptr;
  return std::make_shared<const NoteControls>(controls_);
}

}  // namespace scoretext::vocal
