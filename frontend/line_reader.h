// Reads a text file line by line from a file descriptor.  A line ends at LF;
// a CR right before the LF (or ending the file) belongs to the line end.
// NUL bytes are ordinary characters.  Lines are never held beyond the point
// at which they become too long, so memory stays bounded whatever the input.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace scoretext {

class LineReader {
 public:
  // refused: a line of this many characters or more is too long; the reader
  // keeps its first `refused` characters and reports it as such.
  LineReader(int fd, std::size_t refused);

  // Reads the next line (without its line end); the view is valid until the
  // next call.  Returns false at the end of the input.  When the line is too
  // long, `line` holds its first `refused` characters and too_long() is
  // true; the rest of it is not read.
  bool next(std::string_view& line);
  bool too_long() const { return too_long_; }

 private:
  bool fill();
  std::string_view finish(std::string_view line);

  int fd_;
  std::size_t refused_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool eof_ = false;
  bool too_long_ = false;
  std::string carry_;  // a line that runs across buffer refills
};

}  // namespace scoretext
