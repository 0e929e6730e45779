#include "score/part_error.h"


namespace scoretext::score {

ToolError with_file_name(const ToolError& error, const std::string& file, bool name_file) {
  if (!name_file || error.place() != ToolError::Place::Statement) return error;
  // The report written as it stands.
  const std::string text = cp932_text(error.message());
  return ToolError::usage("ERROR:" + text + ':' + file + ':' + std::to_string(error.line()) + ' ' +
                          error.detail() + '\n');
}

ToolError error_in_part(Msg message, const StatementPlace& place, const std::string& file, bool name_file) {
  return with_file_name(ToolError::at_statement(message, place.line, place.context), file, name_file);
}

}  // namespace scoretext::score
