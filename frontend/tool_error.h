// The one error type of the suite.  A failing check throws it with its
// message; the program's main reports it in the tool's own format and ends
// with status 1.
#pragma once

#include <exception>
#include <string>

#include "frontend/messages.h"

namespace scoretext {

class ToolError : public std::exception {
 public:
  explicit ToolError(Msg message) : message_(message) {}
  // detail: text that belongs to the report besides the message, such as the
  // definition line of a drum file or the name of a file.
  ToolError(Msg message, std::string detail) : message_(message), detail_(std::move(detail)) {}

  Msg message() const { return message_; }
  const std::string& detail() const { return detail_; }
  const char* what() const noexcept override { return "scoretext::ToolError"; }

 private:
  Msg message_;
  std::string detail_;
};

}  // namespace scoretext
