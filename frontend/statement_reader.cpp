#include "frontend/statement_reader.h"

#include "frontend/capacities.h"
#include "frontend/tool_error.h"

namespace scoretext {

StatementReader::StatementReader(const InputFile& file) : lines_(file, limits::kLineRefused) {}

StatementReader::StatementReader(std::string_view text) : lines_(text, limits::kLineRefused) {}

bool StatementReader::next(std::string_view& statement) {
  for (;;) {
    while (!rest_.empty() && rest_.front() == ' ') rest_.remove_prefix(1);
    if (!rest_.empty()) break;
    if (!lines_.next(line_)) return false;
    if (line_number_ < INT32_MAX) ++line_number_;
    context_ = line_;
    if (lines_.too_long()) throw ToolError(Msg::LineTooLong);
    rest_ = line_;
    const std::size_t comment = rest_.find("//");
    if (comment != std::string_view::npos) rest_ = rest_.substr(0, comment);
  }
  const std::size_t semicolon = rest_.find(';');
  if (semicolon == std::string_view::npos) {
    statement = rest_;
    rest_ = {};
  } else {
    statement = rest_.substr(0, semicolon);
    rest_ = rest_.substr(semicolon + 1);
    // A ";" at the end of the line (or followed only by blanks) ends
    // nothing further: the loop above skips what remains.
  }
  return true;
}

}  // namespace scoretext
