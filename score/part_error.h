// Where an error in one of several parts is reported: the suite's form, with
// the part's file name before the line number,
//
//   ERROR:<message>:<file>:<line> <statement>
//
// With one part the form is the suite's own, without the file name.
#pragma once

#include <cstdint>
#include <string>

#include "frontend/tool_error.h"

namespace scoretext::score {

// A statement of a part: what an error there shows.
struct StatementPlace {
  std::int32_t line = 0;
  std::string context;
};

// The error placed at that statement of the part read from `file`.
ToolError error_in_part(Msg message, const StatementPlace& place, const std::string& file, bool name_file);

// An error thrown while a part was read, with the file name added where
// several parts are compiled (an error not placed at a statement is left as
// it is).
ToolError with_file_name(const ToolError& error, const std::string& file, bool name_file);

}  // namespace scoretext::score
