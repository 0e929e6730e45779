#include "tokens.h"

#include <cstring>

#include "capacities.h"
#include "tool_error.h"

namespace scoretext {

void Tokens::tokenize(std::string_view statement, const ToolConfig& config) {
  upper_.clear();
  raw_.clear();
  pos_ = 0;
  const std::size_t n = statement.size();
  const char* in = statement.data();
  if (upper_text_.size() < n) upper_text_.resize(n);
  char* up = upper_text_.data();
  if (config.keep_raw_case) raw_text_.assign(in, n);

  // One pass: find each token, check the limits in the order the tokens
  // come, and upper-case it into the token text (a to z only; quoted tokens
  // stay as written).
  std::size_t i = 0;
  for (;;) {
    while (i < n && in[i] == ' ') ++i;
    if (i == n) break;
    const std::size_t begin = i;
    if (config.quote_aware && in[i] == '"') {
      const std::size_t close = statement.find('"', i + 1);
      if (close == std::string_view::npos) throw ToolError(Msg::BadQuote);
      i = close + 1;
      std::memcpy(up + begin, in + begin, i - begin);
    } else {
      for (; i < n && in[i] != ' '; ++i) {
        const char c = in[i];
        up[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
      }
    }
    if (i - begin >= config.token_refused) throw ToolError(Msg::TokenTooLong);
    upper_.emplace_back(up + begin, i - begin);
    if (config.keep_raw_case) raw_.emplace_back(raw_text_.data() + begin, i - begin);
    // The last slot must stay empty: a statement holds at most 9999 tokens.
    if (upper_.size() == limits::kTokenSlots) throw ToolError(Msg::TooManyTokens);
  }
}

}  // namespace scoretext
