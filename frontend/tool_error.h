// The one error type of the suite.  A failing check throws it with its
// message; where the error happened decides how it is reported:
//
//   Statement  "ERROR:<message>:<line> <context>\n"  an input statement
//   DataLine   "ERROR:<message> <line text>\n"       a line of drumdef.txt
//   Template   "ERROR: <message>\n"                  sirenta's template
//   Bare       the message alone, "%s" replaced by the detail
//              ("song.mid open error\n", a usage text, "SV error\n")
//
// A check deep in a parser throws with no place yet (Unplaced); the loop
// that knows the line number and the statement places it (placed_at).
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

#include "frontend/messages.h"
#include "frontend/terminal_text.h"

namespace scoretext {

class ToolError : public std::exception {
 public:
  enum class Place { Unplaced, Statement, DataLine, Template, Bare };

  explicit ToolError(Msg message) : message_(message) {}
  // detail: the text that goes with the message in the report (a file name,
  // a definition line).
  ToolError(Msg message, std::string detail) : message_(message), detail_(std::move(detail)) {}

  // "ERROR:<message>:<line> <context>"
  static ToolError at_statement(Msg message, std::int32_t line, std::string_view context);
  // "ERROR:<message> <line>": a line of a data file, shown as read.
  static ToolError at_data_line(Msg message, std::string_view line);
  // "ERROR: <message>", "%s" in it replaced by `detail` (a template line).
  static ToolError in_template(Msg message, std::string_view detail = {});
  // The message written alone, "%s" replaced by `detail`.
  static ToolError bare(Msg message, std::string_view detail = {});
  // "<name> open error": a file that cannot be opened, read or written.
  static ToolError open_error(std::string_view name) { return bare(Msg::OpenError, name); }
  // A usage text, written as it stands.
  static ToolError usage(std::string_view text) { return bare(Msg::Usage, text); }

  // This error placed at an input statement, unless it already has a place.
  ToolError placed_at(std::int32_t line, std::string_view context) const;

  Msg message() const { return message_; }
  const std::string& detail() const { return detail_; }
  Place place() const { return place_; }
  std::int32_t line() const { return line_; }
  // The whole report, line end included, with the message in `form` (CP932
  // unless it goes to a UTF-8 terminal) and the detail as it stands.  An
  // unplaced error reports as "ERROR:<message>" with its detail.
  std::string report(TextForm form = TextForm::Cp932) const;
  const char* what() const noexcept override { return "scoretext::ToolError"; }

 private:
  Msg message_;
  std::string detail_;
  Place place_ = Place::Unplaced;
  std::int32_t line_ = 0;
};

}  // namespace scoretext
