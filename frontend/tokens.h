// The tokens of one statement, upper-cased, with the raw-case copy where the
// tool keeps one, and the token position that recognisers advance.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/limits.h"
#include "frontend/messages.h"
#include "frontend/tool_config.h"

namespace scoretext {

// a to z become A to Z, in place; every other byte stays.
void upper_case(char* text, std::size_t size);

class Tokens {
 public:
  // Splits the statement into blank-separated tokens and upper-cases them
  // (a to z only), quotes as the tool's configuration says.  Throws
  // Msg::TokenTooLong for a token at the tool's limit, Msg::TooManyTokens
  // for the 10000th token and, in the quote-aware forms, Msg::BadQuote for
  // an unclosed quote.
  void tokenize(std::string_view statement, const ToolConfig& config);

  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }

  // Throws Msg::Extra unless the position is past the last token.
  void check_at_end() const;

  // Token position.
  std::size_t position() const { return pos_; }
  void set_position(std::size_t pos) { pos_ = pos; }
  void advance() { ++pos_; }
  bool at_end() const { return pos_ >= count_; }

  // The upper-cased token at the position (empty text when there is none).
  std::string_view current() const { return at(pos_); }
  // The token as written, where the tool keeps the raw-case copy.
  std::string_view current_raw() const { return raw_at(pos_); }
  std::string_view at(std::size_t i) const {
    if (i >= count_) return {};
    const std::uint32_t begin = bounds_[2 * i];
    return {upper_text_.data() + begin, bounds_[2 * i + 1] - begin};
  }
  std::string_view raw_at(std::size_t i) const;

 private:
  bool split_blocks(const char* in, std::size_t n, const ToolConfig& config);
  void split_quoted(std::string_view statement, const ToolConfig& config);
  void split_within(std::size_t n, const ToolConfig& config);
  // Applies the limits to the tokens found, in their order: a token of
  // `refused` characters or more, and the 10000th token.
  void check_limits(std::size_t refused) const;
  // Takes the token at [begin, end) of the upper-cased text.
  void push_token(std::size_t begin, std::size_t end) {
    bounds_[2 * count_] = static_cast<std::uint32_t>(begin);
    bounds_[2 * count_ + 1] = static_cast<std::uint32_t>(end);
    ++count_;
  }
  [[noreturn]] static void refuse(Msg message);

  std::string upper_text_;
  std::string raw_text_;  // each raw token lies at the same offset
  // Where each token begins and ends in the upper-cased text: two entries a
  // token, count_ tokens.
  std::vector<std::uint32_t> bounds_;
  std::size_t count_ = 0;
  bool keep_raw_ = false;
  std::size_t pos_ = 0;
};

}  // namespace scoretext
