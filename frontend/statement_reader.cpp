#include "frontend/statement_reader.h"

#include "frontend/byte_scan.h"
#include "frontend/limits.h"
#include "frontend/tool_error.h"

namespace scoretext {

StatementReader::StatementReader(const InputFile& file) : lines_(file, limits::kLineRefused) {}

StatementReader::StatementReader(std::string_view text) : lines_(text, limits::kLineRefused) {}

bool StatementReader::next(std::string_view& statement) {
  for (;;) {
    while (!rest_.empty() && rest_.front() == ' ') rest_.remove_prefix(1);
    if (rest_.empty()) {
      if (!next_line()) return false;
      continue;
    }
    // The statement runs to the first ";" or to the first "//", which cuts
    // the rest of the line.  A lone "/" is part of the statement.
    std::size_t at = 0;
    has_equals_ = false;
    for (;;) {
      at += find_statement_mark(rest_.data() + at, rest_.size() - at);
      if (at == rest_.size()) {
        statement = rest_;
        rest_ = {};
        return true;
      }
      if (rest_[at] == ';') {
        statement = rest_.substr(0, at);
        rest_ = rest_.substr(at + 1);
        // A ";" at the end of the line (or followed only by blanks) ends
        // nothing further: the loop above skips what remains.
        return true;
      }
      if (rest_[at] == '=') {
        has_equals_ = true;
      } else if (at + 1 < rest_.size() && rest_[at + 1] == '/') {
        break;
      }
      ++at;
    }
    // A comment: what stands before it is the statement, if anything does.
    statement = rest_.substr(0, at);
    rest_ = {};
    if (!statement.empty()) return true;
  }
}

bool StatementReader::next_line() {
  if (!lines_.next(line_)) return false;
  if (line_number_ < INT32_MAX) ++line_number_;
  context_ = line_;
  if (lines_.too_long()) throw ToolError(Msg::LineTooLong);
  rest_ = line_;
  return true;
}

}  // namespace scoretext
