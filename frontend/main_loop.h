// The main loop of a text tool: each statement goes through the macro step,
// is tokenized and is offered to the recognisers in a fixed order.
#pragma once

#include <new>

#include "frontend/macro_table.h"
#include "frontend/run.h"
#include "frontend/statement_reader.h"
#include "frontend/tool_error.h"

namespace scoretext {

// Runs to the end of the input; returns normally only when every statement
// was accepted.  Errors are thrown as ToolError, not yet placed.
void run_main_loop(StatementReader& reader, MacroTable& macros, Run& run);

// The main loop, with every error placed at the statement that failed (its
// line number and context).
void run_statements(StatementReader& reader, MacroTable& macros, Run& run);

// Runs `step` and places what it throws (a ToolError, or out of memory as
// "malloc") at the reader's current statement.
template <typename Step>
void placed_at_statement(const StatementReader& reader, Step&& step) {
  try {
    step();
  } catch (const ToolError& e) {
    throw e.placed_at(reader.line_number(), reader.context());
  } catch (const std::bad_alloc&) {
    throw ToolError::at_statement(Msg::OutOfMemory, reader.line_number(), reader.context());
  }
}

}  // namespace scoretext
