#include "score/part_error.h"

#include <unistd.h>

#include "frontend/terminal_text.h"

namespace scoretext::score {

ToolError with_file_name(const ToolError& error, const std::string& file, bool name_file) {
  if (!name_file || error.place() != ToolError::Place::Statement) return error;
  // The message in the character set of the stream it goes to; the file
  // name and the statement as they stand.
  const std::string text = message_text(error.message(), message_form(STDERR_FILENO));
  return ToolError::usage("ERROR:" + text + ':' + file + ':' + std::to_string(error.line()) + ' ' +
                          error.detail() + '\n');
}

ToolError error_in_part(Msg message, const StatementPlace& place, const std::string& file, bool name_file) {
  return with_file_name(ToolError::at_statement(message, place.line, place.context), file, name_file);
}

}  // namespace scoretext::score
