// The tokens of one statement of a sung part.  Blanks separate tokens, but a
// double quote anywhere in a token opens a quoted stretch in which blanks
// do not; the next double quote closes it and ends the token at once, so
//
//   4 C3 "さ[s a]"DYN:0 LY"la la"   gives  4  C3  "さ[s a]"  DYN:0  LY"la la"
//
// Keywords are matched on the upper-cased tokens (a to z only); lyric and
// phonetic texts are taken from the tokens as written.
//
// Throws (unplaced) "”記号が不適切" for a statement that ends inside quotes,
// "字句の長さの制限を超えました" at a token's 999th character (a closing
// quote not counted) and "行数の制限を超えました" at the 10000th token.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace scoretext::vocal {

class VocalTokens {
 public:
  void tokenize(std::string_view statement);

  std::size_t size() const { return spans_.size(); }
  bool empty() const { return spans_.empty(); }
  // The upper-cased token, or the empty text past the last one.
  std::string_view at(std::size_t i) const { return view(upper_, i); }
  // The token as written, or the empty text past the last one.
  std::string_view raw_at(std::size_t i) const { return view(raw_, i); }

 private:
  struct Span {
    std::size_t begin;
    std::size_t size;
  };
  std::string_view view(const std::string& text, std::size_t i) const {
    return i < spans_.size() ? std::string_view(text).substr(spans_[i].begin, spans_[i].size) : std::string_view();
  }

  std::string raw_;
  std::string upper_;
  std::vector<Span> spans_;
};

}  // namespace scoretext::vocal
