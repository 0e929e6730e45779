#include "frontend/line_reader.h"

#include <cstring>

#include "frontend/files.h"
#include "frontend/tool_error.h"

namespace scoretext {

namespace {
constexpr std::size_t kChunk = 1 << 20;
}

LineReader::LineReader(const InputFile& file, std::size_t refused)
    : fd_(file.fd()), name_(&file.name()), refused_(refused) {}

LineReader::LineReader(std::string_view text, std::size_t refused)
    : refused_(refused), data_(text.data()), end_(text.size()), eof_(true) {}

bool LineReader::fill() {
  if (eof_) return false;
  if (!buffer_) buffer_.reset(new char[kChunk]);
  data_ = buffer_.get();
  begin_ = 0;
  end_ = 0;
  const long got = read_some(fd_, buffer_.get(), kChunk);
  if (got < 0) throw ToolError::open_error(*name_);
  if (got == 0) {
    eof_ = true;
    return false;
  }
  end_ = static_cast<std::size_t>(got);
  return true;
}

// Drops the CR of a CR LF (or of a CR that ends the input) and applies the
// length limit.
std::string_view LineReader::finish(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.size() >= refused_) {
    line = line.substr(0, refused_);
    too_long_ = true;
  }
  return line;
}

bool LineReader::next(std::string_view& line) {
  if (!next_unfiltered(line)) return false;
  as_read_ = line;
  if (filter_ && !too_long_) line = filter_(line, filtered_);
  return true;
}

// Reads past the rest of a line that was too long to keep.
bool LineReader::skip_rest_of_line() {
  for (;;) {
    if (begin_ == end_ && !fill()) return false;
    const char* start = data_ + begin_;
    if (const void* lf = std::memchr(start, '\n', end_ - begin_)) {
      begin_ += static_cast<const char*>(lf) - start + 1;
      return true;
    }
    begin_ = end_;
  }
}

bool LineReader::next_unfiltered(std::string_view& line) {
  if (too_long_ && unfinished_ && !skip_rest_of_line()) return false;
  too_long_ = false;
  unfinished_ = false;
  if (begin_ == end_ && !fill()) return false;
  // The usual case: the whole line lies in the buffer.
  {
    const char* start = data_ + begin_;
    const std::size_t avail = end_ - begin_;
    if (const void* lf = std::memchr(start, '\n', avail)) {
      const std::size_t size = static_cast<const char*>(lf) - start;
      begin_ += size + 1;
      line = finish(std::string_view(start, size));
      return true;
    }
  }
  // The line runs across refills.  Keep one character beyond the limit so
  // that a CR before the line end can still be dropped from a line that is
  // exactly at the limit.
  const std::size_t keep = refused_ + 1;
  carry_.clear();
  for (;;) {
    const char* start = data_ + begin_;
    const std::size_t avail = end_ - begin_;
    const void* lf = std::memchr(start, '\n', avail);
    const std::size_t take = lf ? static_cast<const char*>(lf) - start : avail;
    const std::size_t room = keep > carry_.size() ? keep - carry_.size() : 0;
    carry_.append(start, take < room ? take : room);
    begin_ += take;
    if (lf) {
      ++begin_;
      break;
    }
    if (carry_.size() >= keep) {
      // Too long whatever follows: stop reading this line.
      too_long_ = true;
      unfinished_ = true;
      line = std::string_view(carry_).substr(0, refused_);
      return true;
    }
    if (!fill()) break;
  }
  line = finish(carry_);
  return true;
}

}  // namespace scoretext
