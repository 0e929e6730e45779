#include "frontend/setting_table.h"

#include "frontend/score_tables.h"
#include "frontend/signed_number.h"
#include "frontend/tool_error.h"

namespace scoretext {

int time_signature_operand(std::string_view token) {
  const std::optional<int> index = find_time_signature(token);
  if (!index) throw ToolError(Msg::RangeOutside);
  return *index;
}

std::int32_t number_operand(std::string_view token, SettingRange range) {
  const std::int32_t n = parse_signed(token);
  if (n < range.lowest || n > range.highest) throw ToolError(Msg::RangeExceeded);
  return n;
}

const KeyOperand& key_operand(std::string_view token) {
  for (const KeyOperand& key : kKeyOperands) {
    if (key.token == token) return key;
  }
  throw ToolError(Msg::Malformed);
}

void key_mode_operand(std::string_view token) {
  if (token != "0" && token != "1") throw ToolError(Msg::Malformed);
}

int letter_operand(std::string_view token) {
  const std::size_t i = token.size() == 1 ? kSettingLetters.find(token[0]) : std::string_view::npos;
  if (i == std::string_view::npos) throw ToolError(Msg::Malformed);
  return static_cast<int>(i);
}

int scale_mode_operand(std::string_view token, int highest) {
  // One digit, or two without a leading zero.
  const bool digits = (token.size() == 1 && token[0] >= '0' && token[0] <= '9') ||
                      (token.size() == 2 && token[0] >= '1' && token[0] <= '9' && token[1] >= '0' && token[1] <= '9');
  const int mode = !digits ? -1 : token.size() == 1 ? token[0] - '0' : (token[0] - '0') * 10 + (token[1] - '0');
  if (mode < 0 || mode > highest) throw ToolError(Msg::Malformed);
  return mode;
}

}  // namespace scoretext
