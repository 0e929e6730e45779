#include "smf/file_image.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>

#include "frontend/files.h"
#include "frontend/tool_error.h"
#include "smf/size_limits.h"

namespace scoretext::smf {

namespace {

// Capacity to start with when the size of the file cannot be known ahead.
constexpr std::size_t kUnsizedStart = 64 * 1024;

ByteStorage grown(const ByteStorage& old, std::size_t used, std::size_t capacity) {
  ByteStorage bigger(capacity);
  std::memcpy(bigger.data(), old.data(), used);
  return bigger;
}

}  // namespace

bool known_size(int fd, std::size_t& size) {
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
  size = static_cast<std::size_t>(info.st_size);
  return true;
}

FileImage load_file(const std::string& path) {
  const InputFile file(path);
  return load_file(file);
}

FileImage load_file(const InputFile& file) {
  std::size_t expected = 0;
  const bool sized = known_size(file.fd(), expected);
  if (sized && expected > kMaxFileBytes) throw ToolError::bare(Msg::SmfTooLarge);

  // One byte more than the known size, so that the end of the file shows as
  // a read of nothing rather than as a full buffer.
  ByteStorage bytes(sized ? expected + 1 : kUnsizedStart);
  std::size_t size = 0;
  for (;;) {
    if (size == bytes.capacity()) {
      bytes = grown(bytes, size, std::min(size * 2, kMaxFileBytes + 1));
    }
    const long got = read_some(file.fd(), reinterpret_cast<char*>(bytes.data()) + size,
                               bytes.capacity() - size);
    if (got < 0) throw ToolError::open_error(file.name());
    if (got == 0) break;
    size += static_cast<std::size_t>(got);
    if (size > kMaxFileBytes) throw ToolError::bare(Msg::SmfTooLarge);
  }
  return FileImage(std::move(bytes), size);
}

}  // namespace scoretext::smf
