// The output sink of a text tool, written through a buffer: a file, or a
// string (for tests, and for a tool that writes its whole output at once).
// Whatever was written before an error is flushed when the run ends, so it
// stays in the file.
#pragma once

#include <string>
#include <string_view>

namespace scoretext {

class Output {
 public:
  explicit Output(int fd) : fd_(fd) { buffer_.reserve(kCapacity); }
  explicit Output(std::string& target) : target_(&target) {}
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  void write(std::string_view text) {
    if (buffer_.size() + text.size() > kCapacity) flush();
    buffer_.append(text);
  }
  void put(char c) {
    if (buffer_.size() >= kCapacity) flush();
    buffer_.push_back(c);
  }
  // Hands the buffer to the file or string; false when the file refused it.
  bool flush();
  bool failed() const { return failed_; }

 private:
  static constexpr std::size_t kCapacity = 1 << 16;
  int fd_ = -1;
  std::string* target_ = nullptr;
  std::string buffer_;
  bool failed_ = false;
};

}  // namespace scoretext
