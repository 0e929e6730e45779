// The tokens of one statement, upper-cased, with the raw-case copy where the
// tool keeps one, and the token position that recognisers advance.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/capacities.h"
#include "frontend/messages.h"
#include "frontend/tool_config.h"

namespace scoretext {

// a to z become A to Z, in place; every other byte stays.
void upper_case(char* text, std::size_t size);

class Tokens {
 public:
  // Splits the statement into blank-separated tokens and upper-cases them
  // (a to z only).  Throws "字句の長さの制限を超えました" for a token at the
  // tool's limit, "行数の制限を超えました" for the 10000th token and, in the
  // quote-aware form, "”記号が不適切" for an unclosed quote.
  void tokenize(std::string_view statement, const ToolConfig& config);

  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }

  // Token position.
  std::size_t position() const { return pos_; }
  void set_position(std::size_t pos) { pos_ = pos; }
  void advance() { ++pos_; }
  bool at_end() const { return pos_ >= count_; }

  // The upper-cased token at the position (empty text when there is none).
  std::string_view current() const { return at(pos_); }
  // The token as written, where the tool keeps the raw-case copy.
  std::string_view current_raw() const { return raw_at(pos_); }
  std::string_view at(std::size_t i) const { return i < count_ ? upper_[i] : std::string_view(); }
  std::string_view raw_at(std::size_t i) const;

 private:
  bool split_blocks(const char* in, std::size_t n, const ToolConfig& config);
  void split_quoted(std::string_view statement, const ToolConfig& config);
  // Takes the token at [begin, end) of the upper-cased text, refusing one of
  // `refused` characters or more, and the 10000th token.
  void add_token(std::size_t begin, std::size_t end, std::size_t refused) {
    if (end - begin >= refused) refuse(Msg::TokenTooLong);
    push_token(begin, end);
  }
  void push_token(std::size_t begin, std::size_t end) {
    if (count_ == upper_.size()) grow();
    upper_[count_++] = std::string_view(upper_text_.data() + begin, end - begin);
    // The last slot must stay empty: a statement holds at most 9999 tokens.
    if (count_ == limits::kTokenSlots) refuse(Msg::TooManyTokens);
  }
  void grow();
  [[noreturn]] static void refuse(Msg message);

  std::string upper_text_;
  std::vector<std::uint32_t> bounds_;  // where each token begins and ends
  std::string raw_text_;
  std::vector<std::string_view> upper_;  // the first count_ are the tokens; each raw
                                        // token lies at the same offset
  std::size_t count_ = 0;
  bool keep_raw_ = false;
  std::size_t pos_ = 0;
};

}  // namespace scoretext
