#include "frontend/output.h"

#include "frontend/files.h"

namespace scoretext {

bool Output::flush() {
  if (target_) {
    target_->append(buffer_);
  } else if (!failed_ && !write_all(fd_, buffer_)) {
    failed_ = true;
  }
  buffer_.clear();
  return !failed_;
}

}  // namespace scoretext
