// Reading a sung part from a string in the unit tests.
#pragma once

#include <string>
#include <string_view>

#include "frontend/statement_reader.h"
#include "frontend/tool_error.h"
#include "vocal/vocal_reader.h"

namespace scoretext::vocal::testing {

struct PartRead {
  EventTable table;
  // The report of the first error, as the user sees it; empty when none.
  std::string error;
  // Its message; Msg::Count_ when none.
  Msg message = Msg::Count_;
};

inline PartRead read_part(std::string_view input, const NoteStyle& style = {}) {
  PartRead result;
  StatementReader reader(input);
  try {
    result.table = read_vocal_part(reader, style);
  } catch (const ToolError& e) {
    result.error = e.report();
    result.message = e.message();
  }
  return result;
}

inline Msg message_of(std::string_view input) { return read_part(input).message; }

}  // namespace scoretext::vocal::testing
