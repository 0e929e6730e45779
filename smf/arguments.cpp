#include "smf/arguments.h"

#include <limits>

namespace scoretext::smf {

namespace {

// The magnitude of a run of digits, stopped at limit.
std::optional<std::int64_t> digits_value(std::string_view digits, std::int64_t limit) {
  std::int64_t value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    if (value < limit) value = value * 10 + (c - '0');
  }
  return value < limit ? value : limit;
}

}  // namespace

std::optional<std::int32_t> parse_shift(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  constexpr std::int64_t kMost = std::numeric_limits<std::int32_t>::max();
  const auto magnitude = digits_value(text, negative ? kMost + 1 : kMost);
  if (!magnitude) return std::nullopt;
  return static_cast<std::int32_t>(negative ? -*magnitude : *magnitude);
}

std::optional<std::int32_t> parse_track_number(std::string_view text) {
  const auto value = digits_value(text, std::numeric_limits<std::int32_t>::max());
  if (!value) return std::nullopt;
  return static_cast<std::int32_t>(*value);
}

}  // namespace scoretext::smf
