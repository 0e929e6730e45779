#include "frontend/line_reader.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace scoretext {

namespace {
constexpr std::size_t kChunk = 1 << 20;
}

LineReader::LineReader(int fd, std::size_t refused) : fd_(fd), refused_(refused), buffer_(kChunk) {}

bool LineReader::fill() {
  if (eof_) return false;
  begin_ = 0;
  end_ = 0;
  for (;;) {
    const ssize_t got = ::read(fd_, buffer_.data(), buffer_.size());
    if (got > 0) {
      end_ = static_cast<std::size_t>(got);
      return true;
    }
    if (got < 0 && errno == EINTR) continue;
    eof_ = true;  // end of file, or a read error, ends the input
    return false;
  }
}

// Drops the CR of a CR LF (or of a CR that ends the file) and applies the
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
  too_long_ = false;
  if (begin_ == end_ && !fill()) return false;
  // The usual case: the whole line lies in the buffer.
  {
    const char* start = buffer_.data() + begin_;
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
    const char* start = buffer_.data() + begin_;
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
      line = std::string_view(carry_).substr(0, refused_);
      return true;
    }
    if (!fill()) break;
  }
  line = finish(carry_);
  return true;
}

}  // namespace scoretext
