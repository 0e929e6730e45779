#include "frontend/output.h"

#include <cerrno>
#include <unistd.h>

namespace scoretext {

bool Output::flush() {
  const char* p = buffer_.data();
  std::size_t left = buffer_.size();
  while (left > 0 && !failed_) {
    const ssize_t done = ::write(fd_, p, left);
    if (done < 0) {
      if (errno == EINTR) continue;
      failed_ = true;
      break;
    }
    p += done;
    left -= static_cast<std::size_t>(done);
  }
  buffer_.clear();
  return !failed_;
}

}  // namespace scoretext
