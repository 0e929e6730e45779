#include "frontend/tokens.h"

#include <cstring>

#include "frontend/byte_scan.h"
#include "frontend/limits.h"
#include "frontend/small_copy.h"
#include "frontend/tool_error.h"

namespace scoretext {

namespace {

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Upper-cases a to z in the first n bytes of `text`, whose storage must
// extend to a whole number of blocks past n; the bytes after n are changed
// the same way.
void upper_case_blocks(char* text, std::size_t n) {
  for (std::size_t i = 0; i < n; i += kScanBlock) scan_token_block(text + i, text + i);
}

}  // namespace

void upper_case(char* text, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) text[i] = upper(text[i]);
}

void Tokens::tokenize(std::string_view statement, const ToolConfig& config) {
  count_ = 0;
  pos_ = 0;
  keep_raw_ = config.keep_raw_case;
  const std::size_t n = statement.size();
  const char* in = statement.data();
  // The token text is upper-cased in whole blocks, and ends in a blank that
  // stops every scan.
  const std::size_t room = (n / kScanBlock + 1) * kScanBlock;
  if (upper_text_.size() < room) upper_text_.resize(room);
  // A token ends at most at every byte and at the end.
  if (bounds_.size() < n + 2) bounds_.resize(n + 2);
  if (keep_raw_) raw_text_.assign(in, n);
  if (split_blocks(in, n, config)) return;
  char* up = upper_text_.data();
  std::memcpy(up, in, n);
  up[n] = ' ';
  upper_case_blocks(up, n);
  if (config.quotes_within_tokens) {
    split_within(n, config);
  } else {
    split_quoted(statement, config);
  }
}

// Upper-cases the statement block by block and finds the tokens from a mask
// of the blanks in each block: a token begins where a blank is followed by
// another byte and ends where another byte is followed by a blank.  Gives up
// (false, no token taken) on a quote in a tool that reads quoted tokens.
bool Tokens::split_blocks(const char* in, std::size_t n, const ToolConfig& config) {
  std::uint32_t* bounds = bounds_.data();
  std::size_t k = 0;
  char* up = upper_text_.data();
  const bool quotes = config.quote_aware || config.quotes_within_tokens;
  unsigned before = 1;  // the byte before the statement counts as a blank
  for (std::size_t at = 0; at < n; at += kScanBlock) {
    BlockMasks masks;
    if (n - at >= kScanBlock) {
      masks = scan_token_block(in + at, up + at);
    } else {
      // The last bytes, padded with blanks.
      char tail[kScanBlock];
      std::memset(tail, ' ', kScanBlock);
      copy_small(tail, in + at, n - at);
      masks = scan_token_block(tail, up + at);
    }
    if (quotes && masks.quotes != 0) return false;
    const unsigned blanks = masks.blanks;
    unsigned changes = (blanks ^ ((blanks << 1) | before)) & 0xFFFFu;
    before = blanks >> 15;
    for (; changes != 0; changes &= changes - 1)
      bounds[k++] = static_cast<std::uint32_t>(at + static_cast<std::size_t>(__builtin_ctz(changes)));
  }
  up[n] = ' ';
  // A token that fills the last block ends with the statement.
  if (k % 2 != 0) bounds[k++] = static_cast<std::uint32_t>(n);
  count_ = k / 2;
  // Only a long statement can break a limit.
  if (n >= config.token_refused || count_ >= limits::kTokenSlots) check_limits(config.token_refused);
  return true;
}

// Token by token, for statements that hold quotes: a quoted token runs to the
// next quote, blanks and all, and keeps its case.
void Tokens::split_quoted(std::string_view statement, const ToolConfig& config) {
  char* up = upper_text_.data();
  const char* in = statement.data();
  const std::size_t n = statement.size();
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
    push_token(begin, i);
    // The last slot must stay empty: a statement holds at most 9999 tokens.
    if (count_ == limits::kTokenSlots) refuse(Msg::TooManyTokens);
  }
}

// Token by token, for sung statements that hold quotes: a quote anywhere
// opens a stretch that holds blanks, and the next quote ends the token.
void Tokens::split_within(std::size_t n, const ToolConfig& config) {
  const char* up = upper_text_.data();
  std::size_t i = 0;
  for (;;) {
    while (i < n && up[i] == ' ') ++i;
    if (i >= n) break;
    const std::size_t begin = i;
    std::size_t counted = 0;
    bool quoted = false;
    while (i < n && (quoted || up[i] != ' ')) {
      const bool closing = quoted && up[i] == '"';
      if (up[i] == '"') quoted = !quoted;
      ++i;
      if (closing) break;
      if (++counted >= config.token_refused) refuse(Msg::TokenTooLong);
    }
    if (quoted) refuse(Msg::BadQuote);
    push_token(begin, i);
    // The last slot must stay empty: a statement holds at most 9999 tokens.
    if (count_ == limits::kTokenSlots) refuse(Msg::TooManyTokens);
  }
}

void Tokens::check_limits(std::size_t refused) const {
  for (std::size_t i = 0; i < count_; ++i) {
    if (bounds_[2 * i + 1] - bounds_[2 * i] >= refused) refuse(Msg::TokenTooLong);
    // The last slot must stay empty: a statement holds at most 9999 tokens.
    if (i + 1 == limits::kTokenSlots) refuse(Msg::TooManyTokens);
  }
}

void Tokens::check_at_end() const {
  if (!at_end()) refuse(Msg::Extra);
}

void Tokens::refuse(Msg message) { throw ToolError(message); }

std::string_view Tokens::raw_at(std::size_t i) const {
  if (!keep_raw_ || i >= count_) return {};
  const std::uint32_t begin = bounds_[2 * i];
  return {raw_text_.data() + begin, bounds_[2 * i + 1] - begin};
}

}  // namespace scoretext
