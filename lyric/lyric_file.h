// The lyric file: the words of a song, cut into one entry per sung note.
//
// Each line is normalised (normalise.h), its comment ("//" on) cut first,
// and cut into entries from left to right, blanks between them skipped:
//   - a kana syllable (syllables.h), with a bracket word such as [s a]
//     right after it joined to it;
//   - otherwise a word, which begins with an ASCII letter, '[' or ']' and
//     runs to the next blank outside brackets, to and including the first
//     ']', to the next kana, or to the line end.  Blanks inside brackets
//     belong to the word.
// So さくら gives さ く ら, きゃく gives きゃ く, さ[s a] one entry, la- gives
// la and ー.  Brackets are seen character by character, never in the
// second byte of a kana.
//
// Every error ends the read with a ToolError placed at the lyric file's own
// line number and the line as read.  A read error is the file's open error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace scoretext {
class InputFile;
class LineReader;
}  // namespace scoretext

namespace scoretext::lyric {

// The entries in file order, Shift_JIS, each at most 39 bytes.
class LyricTable {
 public:
  std::size_t size() const { return ends_.size(); }
  std::string_view operator[](std::size_t i) const;
  void add(std::string_view entry);

 private:
  std::string text_;                 // every entry, one after the other
  std::vector<std::uint32_t> ends_;  // where each entry ends in text_
};

// Adds the entries of one normalised line to `table`.  Throws unplaced.
void split_lyric_line(std::string_view line, LyricTable& table);

// Reads every line of a lyric file.
LyricTable read_lyrics(LineReader& lines);
LyricTable read_lyric_file(const InputFile& file);

}  // namespace scoretext::lyric
