// Failures that the SMF utilities report with a plain text of their own
// rather than a message of the suite's table: usage lines and open errors.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace scoretext::smf {

class TextError : public std::exception {
 public:
  explicit TextError(std::string text) : text_(std::move(text)) {}
  // The exact text to print, line end included.
  const std::string& text() const { return text_; }
  const char* what() const noexcept override { return text_.c_str(); }

 private:
  std::string text_;
};

// "<path> open error\n": a file that cannot be opened, read or written.
inline TextError open_error(std::string_view path) {
  return TextError(std::string(path) + " open error\n");
}

}  // namespace scoretext::smf
