// The output file, written through a buffer.  Whatever was written before an
// error is flushed to the file when the run ends, so it stays there.
#pragma once

#include <string>
#include <string_view>

namespace scoretext {

class Output {
 public:
  explicit Output(int fd) : fd_(fd) { buffer_.reserve(kCapacity); }
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  void write(std::string_view text) {
    if (buffer_.size() + text.size() > kCapacity) flush();
    buffer_.append(text);
  }
  void put(char c) {
    if (buffer_.size() == kCapacity) flush();
    buffer_.push_back(c);
  }
  // Writes the buffer to the file; false when the file refused it.
  bool flush();
  bool failed() const { return failed_; }

 private:
  static constexpr std::size_t kCapacity = 1 << 16;
  int fd_;
  std::string buffer_;
  bool failed_ = false;
};

}  // namespace scoretext
