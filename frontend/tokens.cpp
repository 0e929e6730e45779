#include "frontend/tokens.h"

#include <cstring>

#include "frontend/capacities.h"
#include "frontend/tool_error.h"

namespace scoretext {

void upper_case(char* text, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    if (text[i] >= 'a' && text[i] <= 'z') text[i] = static_cast<char>(text[i] - 'a' + 'A');
  }
}

void Tokens::tokenize(std::string_view statement, const ToolConfig& config) {
  upper_.clear();
  raw_.clear();
  pos_ = 0;
  const std::size_t n = statement.size();
  const char* in = statement.data();
  // The token text ends in a blank that stops every scan.
  if (upper_text_.size() < n + 1) upper_text_.resize(n + 1);
  char* up = upper_text_.data();
  std::memcpy(up, in, n);
  up[n] = ' ';
  if (config.keep_raw_case) raw_text_.assign(in, n);

  // Find each token and check the limits in the order the tokens come.
  // Quoted tokens keep their case: the text is upper-cased token by token.
  const bool whole = !config.quote_aware;
  if (whole) upper_case(up, n);
  std::size_t i = 0;
  for (;;) {
    while (up[i] == ' ') ++i;
    if (i >= n) break;
    const std::size_t begin = i;
    if (!whole && up[i] == '"') {
      const std::size_t close = statement.find('"', i + 1);
      if (close == std::string_view::npos) throw ToolError(Msg::BadQuote);
      i = close + 1;
    } else {
      while (up[i] != ' ') ++i;
      if (!whole) upper_case(up + begin, i - begin);
    }
    const bool quoted = !whole && up[begin] == '"';
    const std::size_t counted = i - begin - (quoted && config.closing_quote_free ? 1 : 0);
    if (counted >= config.token_refused) throw ToolError(Msg::TokenTooLong);
    upper_.emplace_back(up + begin, i - begin);
    if (config.keep_raw_case) raw_.emplace_back(raw_text_.data() + begin, i - begin);
    // The last slot must stay empty: a statement holds at most 9999 tokens.
    if (upper_.size() == limits::kTokenSlots) throw ToolError(Msg::TooManyTokens);
  }
}

}  // namespace scoretext
