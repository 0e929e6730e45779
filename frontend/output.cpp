#include "frontend/output.h"

#include "frontend/files.h"

namespace scoretext {

void Output::write_through(std::string_view text) {
  if (target_) {
    target_->append(text);
  } else if (!failed_ && !write_all(fd_, text)) {
    failed_ = true;
  }
}

bool Output::flush() {
  write_through(std::string_view(buffer_.get(), size_));
  size_ = 0;
  return !failed_;
}

}  // namespace scoretext
