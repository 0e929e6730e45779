#include "tokens.h"

#include "capacities.h"
#include "tool_error.h"

namespace scoretext {

namespace {

void upper_case(char* text, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) {
    if (text[i] >= 'a' && text[i] <= 'z') text[i] = static_cast<char>(text[i] - 'a' + 'A');
  }
}

}  // namespace

void Tokens::tokenize(std::string_view statement, const ToolConfig& config) {
  upper_.clear();
  raw_.clear();
  pos_ = 0;
  upper_text_.assign(statement.data(), statement.size());
  if (config.keep_raw_case) raw_text_.assign(statement.data(), statement.size());

  // Token boundaries first, with the limits checked in the order the tokens
  // come; the texts are upper-cased afterwards.
  spans_.clear();
  std::size_t i = 0;
  const std::size_t n = statement.size();
  for (;;) {
    while (i < n && statement[i] == ' ') ++i;
    if (i == n) break;
    const std::size_t begin = i;
    bool quoted = false;
    if (config.quote_aware && statement[i] == '"') {
      const std::size_t close = statement.find('"', i + 1);
      if (close == std::string_view::npos) throw ToolError(Msg::BadQuote);
      i = close + 1;
      quoted = true;
    } else {
      while (i < n && statement[i] != ' ') ++i;
    }
    if (i - begin >= config.token_refused) throw ToolError(Msg::TokenTooLong);
    spans_.push_back({begin, i - begin, quoted});
    // The last slot must stay empty: a statement holds at most 9999 tokens.
    if (spans_.size() == limits::kTokenSlots) throw ToolError(Msg::TooManyTokens);
  }

  for (const Span& s : spans_) {
    if (!s.quoted) upper_case(upper_text_.data() + s.begin, s.size);
    upper_.emplace_back(upper_text_.data() + s.begin, s.size);
    if (config.keep_raw_case) raw_.emplace_back(raw_text_.data() + s.begin, s.size);
  }
}

}  // namespace scoretext
