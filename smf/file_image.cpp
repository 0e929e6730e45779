#include "smf/file_image.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "smf/size_limits.h"
#include "smf/text_error.h"
#include "frontend/tool_error.h"

namespace scoretext::smf {

namespace {

// Capacity to start with when the size of the file cannot be known ahead.
constexpr std::size_t kUnsizedStart = 64 * 1024;

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() { ::close(fd_); }
  int get() const { return fd_; }

 private:
  int fd_;
};

ByteStorage grown(const ByteStorage& old, std::size_t used, std::size_t capacity) {
  ByteStorage bigger(capacity);
  std::memcpy(bigger.data(), old.data(), used);
  return bigger;
}

}  // namespace

FileImage load_file(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw open_error(path);
  Descriptor file(fd);

  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) throw open_error(path);
  const bool sized = S_ISREG(info.st_mode);
  if (sized && static_cast<std::uintmax_t>(info.st_size) > kMaxFileBytes) {
    throw ToolError(Msg::SmfTooLarge);
  }

  // One byte more than the known size, so that the end of the file shows as
  // a read of nothing rather than as a full buffer.
  ByteStorage bytes(sized ? static_cast<std::size_t>(info.st_size) + 1 : kUnsizedStart);
  std::size_t size = 0;
  for (;;) {
    if (size == bytes.capacity()) {
      bytes = grown(bytes, size, std::min(size * 2, kMaxFileBytes + 1));
    }
    const ssize_t got = ::read(fd, bytes.data() + size, bytes.capacity() - size);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw open_error(path);
    }
    if (got == 0) break;
    size += static_cast<std::size_t>(got);
    if (size > kMaxFileBytes) throw ToolError(Msg::SmfTooLarge);
  }
  return FileImage(std::move(bytes), size);
}

}  // namespace scoretext::smf
