// The main loop of a text tool: each statement goes through the macro step,
// is tokenized and is offered to the recognisers in a fixed order.
#pragma once

#include "frontend/macro_table.h"
#include "frontend/run.h"
#include "frontend/statement_reader.h"

namespace scoretext {

// Runs to the end of the input; returns normally only when every statement
// was accepted.  Errors are thrown as ToolError.
void run_main_loop(StatementReader& reader, MacroTable& macros, Run& run);

}  // namespace scoretext
