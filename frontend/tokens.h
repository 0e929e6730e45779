// The tokens of one statement, upper-cased, with the raw-case copy where the
// tool keeps one, and the token position that recognisers advance.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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

  std::size_t size() const { return upper_.size(); }
  bool empty() const { return upper_.empty(); }

  // Token position.
  std::size_t position() const { return pos_; }
  void set_position(std::size_t pos) { pos_ = pos; }
  void advance() { ++pos_; }
  bool at_end() const { return pos_ >= upper_.size(); }

  // The upper-cased token at the position (empty text when there is none).
  std::string_view current() const { return at(pos_); }
  // The token as written, where the tool keeps the raw-case copy.
  std::string_view current_raw() const { return raw_at(pos_); }
  std::string_view at(std::size_t i) const { return i < upper_.size() ? upper_[i] : std::string_view(); }
  std::string_view raw_at(std::size_t i) const;

 private:
  std::string upper_text_;
  std::string raw_text_;
  std::vector<std::string_view> upper_;  // each raw token lies at the same offset
  bool keep_raw_ = false;
  std::size_t pos_ = 0;
};

}  // namespace scoretext
