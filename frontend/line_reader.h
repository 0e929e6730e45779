// The line source: reads text line by line from an open input file or from
// a string.  A line ends at LF; a CR right before the LF (or ending the
// input) belongs to the line end.  NUL bytes are ordinary characters.
// Lines are never held beyond the point at which they become too long, so
// memory stays bounded whatever the input.
//
// An optional filter rewrites each line before it is handed out (sirenta
// turns Shift_JIS kana into UTF-8 as it reads); the length limit applies to
// the line as read, before the filter.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace scoretext {

class InputFile;

class LineReader {
 public:
  // Rewrites `line` into `scratch` (or returns `line` itself); may throw.
  using Filter = std::function<std::string_view(std::string_view line, std::string& scratch)>;

  // refused: a line of this many characters or more is too long; the reader
  // keeps its first `refused` characters and reports it as such.  A read
  // error throws ToolError::open_error with the file's name: it is never
  // taken for the end of the input.
  LineReader(const InputFile& file, std::size_t refused);
  // Reads the lines of `text`, which must outlive the reader.
  LineReader(std::string_view text, std::size_t refused);

  void set_filter(Filter filter) { filter_ = std::move(filter); }

  // Reads the next line (without its line end); the view is valid until the
  // next call.  Returns false at the end of the input.  When the line is too
  // long, `line` holds its first `refused` characters and too_long() is
  // true and the filter is not applied; the rest of it is skipped by the
  // next call.
  bool next(std::string_view& line);
  bool too_long() const { return too_long_; }
  // The line last read as it stood before the filter; valid as the line.
  std::string_view line_as_read() const { return as_read_; }

 private:
  bool fill();
  std::string_view finish(std::string_view line);
  bool next_unfiltered(std::string_view& line);
  bool skip_rest_of_line();

  int fd_ = -1;
  const std::string* name_ = nullptr;
  std::size_t refused_;
  std::unique_ptr<char[]> buffer_;  // allocated at the first read, not zeroed
  const char* data_ = nullptr;  // the buffer, or the string being read
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool eof_ = false;
  bool too_long_ = false;
  bool unfinished_ = false;  // the too-long line's end is not read yet
  std::string carry_;  // a line that runs across buffer refills
  Filter filter_;
  std::string filtered_;
  std::string_view as_read_;
};

}  // namespace scoretext
