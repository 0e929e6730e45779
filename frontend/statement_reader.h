// Splits the input into statements: comments ("//" to the line end) are cut,
// then the line is split at ";".  Keeps the line number and the error context
// text that every error report shows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "frontend/line_reader.h"

namespace scoretext {

class StatementReader {
 public:
  // Statements of an input file, or of a text (which must outlive the
  // reader).
  explicit StatementReader(const InputFile& file);
  explicit StatementReader(std::string_view text);

  // Rewrites every line as it is read (see LineReader::Filter).
  void set_filter(LineReader::Filter filter) { lines_.set_filter(std::move(filter)); }

  // The next statement, from its first non-blank character up to the next
  // ";" or the line end.  Returns false at the end of the input.  Throws
  // Msg::LineTooLong for an over-long line.
  bool next(std::string_view& statement);

  // Whether the statement last returned holds a "=", as every macro
  // definition and use does.
  bool has_equals() const { return has_equals_; }

  std::int32_t line_number() const { return line_number_; }
  // The text an error report shows: the current line, or the statement.
  // It views the current line, which lives until the next line is read.
  std::string_view context() const { return context_; }
  void set_context(std::string_view text) { context_ = text; }
  // The whole line that holds the current statement, before the filter.
  std::string_view line_as_read() const { return lines_.line_as_read(); }
  // The whole line that holds the current statement (after the filter).
  std::string_view line() const { return line_; }

 private:
  // Reads the next line into rest_; false at the end of the input.
  bool next_line();

  LineReader lines_;
  std::string_view line_;
  std::string_view rest_;
  std::int32_t line_number_ = 0;
  std::string_view context_;
  bool has_equals_ = false;
};

}  // namespace scoretext
