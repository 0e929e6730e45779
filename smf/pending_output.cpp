#include "smf/pending_output.h"

#include "smf/file_image.h"

namespace scoretext::smf {

PendingOutput::PendingOutput(std::string path)
    : path_(std::move(path)), direct_(is_written_directly(path_)) {
  if (direct_) return;
  try {
    file_.emplace(path_);
  } catch (const ToolError& e) {
    refusal_ = e;
  }
}

void PendingOutput::write(std::span<const std::uint8_t> bytes) {
  if (direct_) {
    held_.insert(held_.end(), bytes.begin(), bytes.end());
  } else if (file_ && written_) {
    written_ = write_all(file_->fd(), as_chars(bytes));
  }
}

void PendingOutput::commit() {
  if (direct_) {
    write_file_atomically(path_, {as_chars(held_)});
    return;
  }
  if (refusal_) throw *refusal_;
  file_->commit(written_);
}

}  // namespace scoretext::smf
