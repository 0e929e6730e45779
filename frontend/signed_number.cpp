#include "frontend/signed_number.h"

#include <limits>

#include "frontend/tool_error.h"

namespace scoretext {

bool is_signed_number(std::string_view token) {
  if (token.empty()) return false;
  std::size_t i = (token[0] == '+' || token[0] == '-') ? 1 : 0;
  for (; i < token.size(); ++i) {
    if (token[i] < '0' || token[i] > '9') return false;
  }
  return true;
}

std::int32_t parse_signed(std::string_view token) {
  if (!is_signed_number(token)) throw ToolError(Msg::Malformed);
  const bool negative = token[0] == '-';
  std::size_t i = (token[0] == '+' || token[0] == '-') ? 1 : 0;
  // Accumulate in 64 bits and stop growing once past the 32-bit range.
  constexpr std::int64_t kCap = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t value = 0;
  for (; i < token.size(); ++i) {
    value = value * 10 + (token[i] - '0');
    if (value > kCap) value = kCap;
  }
  if (negative) return static_cast<std::int32_t>(-value);
  return value > std::numeric_limits<std::int32_t>::max() ? std::numeric_limits<std::int32_t>::max()
                                                          : static_cast<std::int32_t>(value);
}

}  // namespace scoretext
