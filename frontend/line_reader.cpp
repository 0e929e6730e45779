#include "line_reader.h"

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

bool LineReader::next(std::string& line) {
  line.clear();
  too_long_ = false;
  bool any = false;
  // Keep one character beyond the limit so that a CR before the line end can
  // still be dropped from a line that is exactly at the limit.
  const std::size_t keep = refused_ + 1;
  for (;;) {
    if (begin_ == end_ && !fill()) break;
    any = true;
    const char* start = buffer_.data() + begin_;
    const std::size_t avail = end_ - begin_;
    const void* lf = std::memchr(start, '\n', avail);
    const std::size_t take = lf ? static_cast<const char*>(lf) - start : avail;
    const std::size_t room = keep > line.size() ? keep - line.size() : 0;
    line.append(start, take < room ? take : room);
    begin_ += take;
    if (lf) {
      ++begin_;
      break;
    }
    if (line.size() >= keep) {
      // Too long whatever follows: stop reading this line.
      line.resize(refused_);
      too_long_ = true;
      return true;
    }
  }
  if (!any) return false;
  if (!line.empty() && line.back() == '\r' && line.size() <= keep) line.pop_back();
  if (line.size() >= refused_) {
    line.resize(refused_);
    too_long_ = true;
  }
  return true;
}

}  // namespace scoretext
