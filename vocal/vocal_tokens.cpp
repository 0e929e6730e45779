#include "vocal/vocal_tokens.h"

#include "frontend/capacities.h"
#include "frontend/tokens.h"
#include "frontend/tool_error.h"

namespace scoretext::vocal {

void VocalTokens::tokenize(std::string_view statement) {
  raw_.assign(statement);
  upper_.assign(statement);
  upper_case(upper_.data(), upper_.size());
  spans_.clear();
  const std::size_t n = raw_.size();
  std::size_t i = 0;
  for (;;) {
    while (i < n && raw_[i] == ' ') ++i;
    if (i >= n) return;
    const std::size_t begin = i;
    std::size_t counted = 0;
    bool quoted = false;
    while (i < n && (quoted || raw_[i] != ' ')) {
      const bool closing = quoted && raw_[i] == '"';
      if (raw_[i] == '"') quoted = !quoted;
      ++i;
      if (closing) break;
      if (++counted >= limits::kTokenRefusedShort) throw ToolError(Msg::TokenTooLong);
    }
    if (quoted) throw ToolError(Msg::BadQuote);
    spans_.push_back({begin, i - begin});
    // The last slot stays empty: a statement holds at most 9999 tokens.
    if (spans_.size() == limits::kTokenSlots) throw ToolError(Msg::TooManyTokens);
  }
}

}  // namespace scoretext::vocal
