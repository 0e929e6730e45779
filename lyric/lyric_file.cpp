#include "lyric/lyric_file.h"

#include <new>

#include "frontend/limits.h"
#include "frontend/files.h"
#include "frontend/line_reader.h"
#include "frontend/tool_error.h"
#include "lyric/limits.h"
#include "lyric/normalise.h"
#include "lyric/syllables.h"

namespace scoretext::lyric {

std::string_view LyricTable::operator[](std::size_t i) const {
  const std::uint32_t begin = i == 0 ? 0 : ends_[i - 1];
  return std::string_view(text_).substr(begin, ends_[i] - begin);
}

void LyricTable::add(std::string_view entry) {
  text_.append(entry);
  ends_.push_back(static_cast<std::uint32_t>(text_.size()));
}

namespace {

bool is_ascii_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool is_two_byte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// The position after the word at `i`.  A word keeps every character it
// passes over, so an entry is always a piece of its line.
std::size_t word_end(std::string_view line, std::size_t i) {
  if (!is_ascii_letter(line[i]) && line[i] != '[' && line[i] != ']') throw ToolError(Msg::LyricNotSyllable);
  const std::size_t n = line.size();
  bool inside = false;
  while (i < n) {
    const char c = line[i];
    if (is_two_byte(c)) {
      // A kana ends a word, unless it stands in brackets.
      if (!inside) break;
      i += 2;
      continue;
    }
    if (c == ' ' && !inside) break;
    if (c == '[') {
      if (inside) throw ToolError(Msg::LyricTwoBrackets);
      inside = true;
    }
    ++i;
    if (c == ']') return i;
  }
  if (inside) throw ToolError(Msg::LyricNoClosingBracket);
  return i;
}

}  // namespace

void split_lyric_line(std::string_view line, LyricTable& table) {
  std::size_t i = 0;
  const std::size_t n = line.size();
  for (;;) {
    while (i < n && line[i] == ' ') ++i;
    if (i == n) return;
    if (table.size() == limits::kEntries) throw ToolError(Msg::LyricTooMany);
    const std::size_t start = i;
    if (const std::size_t syllable = syllable_length(line.substr(i))) {
      i += syllable;
      if (i < n && line[i] == '[') i = word_end(line, i);
    } else {
      i = word_end(line, i);
    }
    const std::string_view entry = line.substr(start, i - start);
    if (entry.size() > limits::kEntryBytes) throw ToolError(Msg::LyricTooLong);
    table.add(entry);
  }
}

LyricTable read_lyrics(LineReader& lines) {
  LyricTable table;
  std::string normal;
  std::int32_t line_number = 0;
  std::string_view line;
  while (lines.next(line)) {
    if (line_number < INT32_MAX) ++line_number;
    try {
      if (lines.too_long()) throw ToolError(Msg::LineTooLong);
      normalise_line(line.substr(0, line.find("//")), normal);
      split_lyric_line(normal, table);
    } catch (const ToolError& e) {
      throw e.placed_at(line_number, line);
    } catch (const std::bad_alloc&) {
      throw ToolError::at_statement(Msg::OutOfMemory, line_number, line);
    }
  }
  return table;
}

LyricTable read_lyric_file(const InputFile& file) {
  LineReader lines(file, scoretext::limits::kLineRefused);
  return read_lyrics(lines);
}

}  // namespace scoretext::lyric
