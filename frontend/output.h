// The output sink of a text tool, written through a buffer: a file, or a
// string (for tests, and for a tool that writes its whole output at once).
// Whatever was written before an error is flushed when the run ends, so it
// stays in the file.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "frontend/small_copy.h"

namespace scoretext {

class Output {
 public:
  explicit Output(int fd) : fd_(fd), buffer_(new char[kCapacity]) {}
  explicit Output(std::string& target) : target_(&target), buffer_(new char[kCapacity]) {}
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  void write(std::string_view text) {
    if (text.size() > kCapacity - size_) {
      flush();
      if (text.size() > kCapacity) {
        write_through(text);
        return;
      }
    }
    copy_small(buffer_.get() + size_, text.data(), text.size());
    size_ += text.size();
  }
  void put(char c) {
    if (size_ == kCapacity) flush();
    buffer_[size_++] = c;
  }
  // Hands the buffer to the file or string; false when the file refused it.
  bool flush();
  bool failed() const { return failed_; }

 private:
  static constexpr std::size_t kCapacity = 1 << 16;
  // Hands a text longer than the buffer straight on.
  [[gnu::noinline]] void write_through(std::string_view text);

  int fd_ = -1;
  std::string* target_ = nullptr;
  std::unique_ptr<char[]> buffer_;  // not zeroed: only size_ bytes are used
  std::size_t size_ = 0;
  bool failed_ = false;
};

}  // namespace scoretext
