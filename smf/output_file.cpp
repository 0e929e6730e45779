#include "smf/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "smf/text_error.h"

namespace scoretext::smf {

namespace {

// Writes all of the pieces; false when the system refuses part of them.
bool write_all(int fd, std::vector<iovec> pieces) {
  std::size_t next = 0;
  while (next < pieces.size()) {
    const ssize_t put = ::writev(fd, pieces.data() + next, static_cast<int>(pieces.size() - next));
    if (put < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    // A partial write: step over the pieces that are done and into the one
    // that is not.
    auto left = static_cast<std::size_t>(put);
    while (next < pieces.size() && left >= pieces[next].iov_len) {
      left -= pieces[next].iov_len;
      ++next;
    }
    if (next < pieces.size()) {
      pieces[next].iov_base = static_cast<char*>(pieces[next].iov_base) + left;
      pieces[next].iov_len -= left;
    }
  }
  return true;
}

}  // namespace

void write_output(const std::string& path,
                  std::initializer_list<std::span<const std::uint8_t>> pieces) {
  std::vector<iovec> gather;
  for (const auto& piece : pieces) {
    if (piece.empty()) continue;
    gather.push_back({const_cast<std::uint8_t*>(piece.data()), piece.size()});
  }

  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) throw open_error(path);
  struct stat info {};
  const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  const bool written = write_all(fd, std::move(gather));
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    if (regular) ::unlink(path.c_str());
    throw open_error(path);
  }
}

}  // namespace scoretext::smf
