#include "frontend/length_group.h"

#include "frontend/tool_error.h"

namespace scoretext {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool is_length_token(std::string_view t) {
  // Four and two whole notes, whole to sixty-fourth, then up to two dots.
  std::size_t n = t.size();
  if (n > 0 && t[n - 1] == '.') --n;
  if (n > 0 && t[n - 1] == '.') --n;
  if (n == 1) return t[0] == '1' || t[0] == '2' || t[0] == '4' || t[0] == '8';
  if (n != 2) return false;
  switch (t[0]) {
    case '1':
      return t[1] == '4' || t[1] == '2' || t[1] == '6';
    case '3':
      return t[1] == '2';
    case '6':
      return t[1] == '4';
    default:
      return false;
  }
}

bool is_bracket_token(std::string_view t) { return t.size() == 2 && t[0] == ']' && t[1] >= '2' && t[1] <= '9'; }

bool is_ampersand_token(std::string_view t) {
  if (t.size() == 3 && t[0] == '&' && is_digit(t[1]) && is_digit(t[2])) return !(t[1] == '0' && t[2] == '0');
  if (t.size() == 4 && t[0] == '&' && is_digit(t[1]) && is_digit(t[2]) && is_digit(t[3])) {
    const int v = (t[1] - '0') * 100 + (t[2] - '0') * 10 + (t[3] - '0');
    return v >= 100 && v <= 200;
  }
  return false;
}

bool is_articulation_token(std::string_view t) {
  if (t == "DL" || t == "S") return true;
  if (t.size() == 3 && t[0] == 'D' && t[1] == 'L') return t[2] >= '1' && t[2] <= '4';
  if (t.size() == 2 && t[0] == 'S') return t[1] >= '0' && t[1] <= '8';
  return is_ampersand_token(t);
}

void LengthGroup::parse(Tokens& tokens, Msg bad_length) {
  text.clear();
  const std::string_view length = tokens.current();
  if (!is_length_token(length)) throw ToolError(bad_length);
  text.append(length);
  tokens.advance();
  if (tokens.at_end()) return;
  if (tokens.current() == ")") {
    tie = true;
    text.append(" )");
    tokens.advance();
  }
  if (is_bracket_token(tokens.current())) {
    text.push_back(' ');
    text.append(tokens.current());
    tokens.advance();
    if (tokens.at_end()) return;
  }
  if (is_articulation_token(tokens.current())) {
    if (tie) throw ToolError(Msg::TiePending);
    articulation = true;
    text.push_back(' ');
    text.append(tokens.current());
    tokens.advance();
  }
}

}  // namespace scoretext
