// Note names: letter A-G, octave 0-7 or -1, accidental #, ##, B, BB or N.
#pragma once

#include <optional>
#include <string_view>

namespace scoretext {

// A note name as written out: at most a letter, "-1" and "bb".
class WrittenNote {
 public:
  std::string_view view() const { return {text_, size_}; }
  operator std::string_view() const { return view(); }
  friend bool operator==(const WrittenNote& a, std::string_view b) { return a.view() == b; }
  void append(std::string_view part) {
    for (char c : part) text_[size_++] = c;
  }

 private:
  // Room to spare, and a size that cannot pass it, so that copies of the
  // text are seen to stay within it.
  char text_[16] = {};
  unsigned size_ : 4 = 0;
};

// The note token in its written form (B, BB, N become b, bb, n), or nothing
// when the upper-cased token is no note name.
std::optional<WrittenNote> normalised_note(std::string_view token);
// As normalised_note, but throws Msg::BadNote for a token that is no note.
WrittenNote normalise_note(std::string_view token);

}  // namespace scoretext
