#include "tokens.h"

#include <cstdint>
#include <cstring>

#include "capacities.h"
#include "tool_error.h"

namespace scoretext {

namespace {

// a to z become A to Z; every other byte stays.  Eight bytes at a time:
// a byte's top bit marks whether it lies in a..z, and that bit shifted down
// to 0x20 is the difference between the two cases.
void upper_case(char* text, std::size_t n) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kTops = 0x8080808080808080ull;
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    std::uint64_t x;
    std::memcpy(&x, text + i, 8);
    const std::uint64_t low7 = x & ~kTops;
    const std::uint64_t from_a = low7 + (0x80 - 'a') * kOnes;      // top bit: >= 'a'
    const std::uint64_t past_z = low7 + (0x80 - 'z' - 1) * kOnes;  // top bit: > 'z'
    const std::uint64_t lower = from_a & ~past_z & ~x & kTops;
    x ^= lower >> 2;
    std::memcpy(text + i, &x, 8);
  }
  for (; i < n; ++i) {
    if (text[i] >= 'a' && text[i] <= 'z') text[i] = static_cast<char>(text[i] - 'a' + 'A');
  }
}

}  // namespace

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
    if (i - begin >= config.token_refused) throw ToolError(Msg::TokenTooLong);
    upper_.emplace_back(up + begin, i - begin);
    if (config.keep_raw_case) raw_.emplace_back(raw_text_.data() + begin, i - begin);
    // The last slot must stay empty: a statement holds at most 9999 tokens.
    if (upper_.size() == limits::kTokenSlots) throw ToolError(Msg::TooManyTokens);
  }
}

}  // namespace scoretext
