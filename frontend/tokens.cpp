#include "frontend/tokens.h"

#include <cstring>

#include "frontend/capacities.h"
#include "frontend/tool_error.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace scoretext {

namespace {

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

constexpr std::size_t kBlock = 16;

// Upper-cases a to z in the first n bytes of `text`, whose storage must
// extend to a whole number of 16-byte blocks past n; the bytes after n are
// changed the same way.
void upper_case_blocks(char* text, std::size_t n) {
#if defined(__SSE2__)
  // A byte in 'a'..'z' loses 0x20.  The compare is signed, so bytes from
  // 0x80 up read as negative and are never in range.
  const __m128i below_a = _mm_set1_epi8('a' - 1);
  const __m128i above_z = _mm_set1_epi8('z' + 1);
  const __m128i case_bit = _mm_set1_epi8(0x20);
  for (std::size_t i = 0; i < n; i += kBlock) {
    __m128i* block = reinterpret_cast<__m128i*>(text + i);
    const __m128i bytes = _mm_loadu_si128(block);
    const __m128i lower = _mm_and_si128(_mm_cmpgt_epi8(bytes, below_a), _mm_cmplt_epi8(bytes, above_z));
    _mm_storeu_si128(block, _mm_sub_epi8(bytes, _mm_and_si128(lower, case_bit)));
  }
#else
  for (std::size_t i = 0; i < n; ++i) text[i] = upper(text[i]);
#endif
}

}  // namespace

void upper_case(char* text, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) text[i] = upper(text[i]);
}

void Tokens::tokenize(std::string_view statement, const ToolConfig& config) {
  upper_.clear();
  pos_ = 0;
  keep_raw_ = config.keep_raw_case;
  const std::size_t n = statement.size();
  const char* in = statement.data();
  // The token text ends in a blank that stops every scan, and is upper-cased
  // in whole blocks.
  const std::size_t room = (n / kBlock + 1) * kBlock;
  if (upper_text_.size() < room) upper_text_.resize(room);
  char* up = upper_text_.data();
  std::memcpy(up, in, n);
  up[n] = ' ';
  upper_case_blocks(up, n);
  if (keep_raw_) raw_text_.assign(in, n);

  // Find each token and check the limits in the order the tokens come.
  // Quoted tokens keep their case: they are copied back as written.
  const bool quotes = config.quote_aware;
  std::size_t i = 0;
  for (;;) {
    while (up[i] == ' ') ++i;
    if (i >= n) break;
    const std::size_t begin = i;
    const bool quoted = quotes && up[i] == '"';
    if (quoted) {
      const std::size_t close = statement.find('"', i + 1);
      if (close == std::string_view::npos) throw ToolError(Msg::BadQuote);
      i = close + 1;
      std::memcpy(up + begin, in + begin, i - begin);
    } else {
      while (up[i] != ' ') ++i;
    }
    const std::size_t counted = i - begin - (quoted && config.closing_quote_free ? 1 : 0);
    if (counted >= config.token_refused) throw ToolError(Msg::TokenTooLong);
    upper_.emplace_back(up + begin, i - begin);
    // The last slot must stay empty: a statement holds at most 9999 tokens.
    if (upper_.size() == limits::kTokenSlots) throw ToolError(Msg::TooManyTokens);
  }
}

std::string_view Tokens::raw_at(std::size_t i) const {
  if (!keep_raw_ || i >= upper_.size()) return {};
  const std::size_t offset = static_cast<std::size_t>(upper_[i].data() - upper_text_.data());
  return {raw_text_.data() + offset, upper_[i].size()};
}

}  // namespace scoretext
