#include "vocal/sung_note.h"

#include <array>

#include "frontend/score_tables.h"
#include "frontend/signed_number.h"
#include "frontend/tool_error.h"

namespace scoretext::vocal {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool read_sung_length(Tokens& tokens, const SungDialect& dialect, SungLength& group) {
  const std::optional<int> ticks = length_ticks(tokens.current());
  if (!ticks) return false;
  group = SungLength{};
  group.length = tokens.current();
  group.ticks = *ticks;
  tokens.advance();
  if (tokens.current() == ")") {
    group.tie = true;
    tokens.advance();
    if (dialect.tie_ends_group) return true;
  }
  const std::string_view bracket = tokens.current();
  if (bracket.size() == 2 && bracket[0] == ']' && bracket[1] >= '2' && bracket[1] <= '9') {
    group.bracket = bracket;
    group.divisor = bracket[1] - '0';
    tokens.advance();
  }
  if (dialect.articulation_in_group && is_sung_articulation(tokens.current())) {
    group.articulation = tokens.current();
    tokens.advance();
  }
  return true;
}

void check_continuation_ends(const Tokens& tokens, const SungDialect& dialect) {
  if (!tokens.at_end()) throw ToolError(dialect.after_continuation);
}

std::optional<int> delay_divisor(std::string_view token) {
  if (token == "DL" || token == "DL1") return 4;
  if (token == "DL2") return 8;
  if (token == "DL3") return 16;
  if (token == "DL4") return 32;
  return std::nullopt;
}

std::optional<int> staccato_number(std::string_view token) {
  if (token == "S") return 1;
  if (token.size() == 2 && token[0] == 'S' && token[1] >= '0' && token[1] <= '8') return token[1] - '0';
  return std::nullopt;
}

std::optional<int> articulation_number(std::string_view token) {
  if (token.size() != 4 || token[0] != '&' || !is_digit(token[1]) || !is_digit(token[2]) || !is_digit(token[3]))
    return std::nullopt;
  const int number = (token[1] - '0') * 100 + (token[2] - '0') * 10 + (token[3] - '0');
  if (number < 101 || number > 200) return std::nullopt;
  return number;
}

bool is_sung_articulation(std::string_view token) {
  return delay_divisor(token) || staccato_number(token) || articulation_number(token);
}

std::int64_t staccato_note(int n, std::int64_t f) {
  switch (n) {
    case 1: return f / 2;
    case 2: return f / 4;
    case 3: return f / 3;
    case 4: return f / 2 + f / 4;
    case 5: return f - f / 8;
    case 6: return f - f / 16;
    case 7: return f - f / 32;
    case 8: return f - (2 * f) / 3;
    default: return f;
  }
}

std::vector<std::int64_t> articulation_pieces(int code, std::int64_t length) {
  const std::int64_t l = length;
  std::vector<std::int64_t> pieces;
  if (code >= 102 && code <= 107) {
    constexpr std::array<int, 6> kDivisors = {2, 3, 4, 8, 16, 32};
    pieces = {l / kDivisors[static_cast<std::size_t>(code - 102)], 0};
  } else if (code >= 108 && code <= 111) {
    const std::int64_t q = l / (code <= 109 ? 16 : 32);
    pieces = {q, code % 2 == 0 ? q : 2 * q, 0};
  } else if (code >= 112 && code <= 117) {
    const std::size_t m = static_cast<std::size_t>(code - 109);
    pieces.assign(m, l / static_cast<std::int64_t>(m));
  } else if (code == 118 || code == 119) {
    const std::int64_t q = l / 16;
    pieces = code == 118 ? std::vector<std::int64_t>{2 * q, 2 * q, 4 * q, 0}
                         : std::vector<std::int64_t>{8 * q, 4 * q, 2 * q, 0};
  } else if (code == 120 || code == 121) {
    const std::int64_t q = l / 32;
    pieces = code == 120 ? std::vector<std::int64_t>{2 * q, 2 * q, 4 * q, 8 * q, 0}
                         : std::vector<std::int64_t>{16 * q, 8 * q, 4 * q, 2 * q, 0};
  } else {
    return {l};
  }
  // The last piece takes what the others leave, so no tick is lost.
  std::int64_t others = 0;
  for (std::size_t i = 0; i + 1 < pieces.size(); ++i) others += pieces[i];
  pieces.back() = l - others;
  return pieces;
}

std::optional<SungVelocity> read_sung_velocity(Tokens& tokens, const SungDialect& dialect) {
  const std::string_view token = tokens.current();
  if (token.empty() || token[0] != 'V') return std::nullopt;
  if (!dialect.velocity_any_v && (token.size() < 2 || !is_digit(token[1]))) return std::nullopt;
  const std::int32_t value = parse_signed(token.substr(1));
  if (value < 0 || value > kVelocityMax) throw ToolError(dialect.velocity_range);
  tokens.advance();
  return SungVelocity{token, value};
}

bool read_lyric_token(Tokens& tokens, std::string_view& raw) {
  const std::string_view token = tokens.current();
  if (token.empty() || token[0] != '"') return false;
  raw = tokens.current_raw();
  tokens.advance();
  return true;
}

bool is_text_token(std::string_view token) { return token.starts_with("LY\"") || token.starts_with("PH\""); }

}  // namespace scoretext::vocal
