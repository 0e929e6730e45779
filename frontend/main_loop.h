// The main loop of a text tool: each statement goes through the macro step,
// is tokenized and is offered to the recognisers in a fixed order.
#pragma once

#include "macro_table.h"
#include "run.h"
#include "statement_reader.h"

namespace scoretext {

// Runs to the end of the input; returns normally only when every statement
// was accepted.  Errors are thrown as ToolError.
void run_main_loop(StatementReader& reader, MacroTable& macros, Run& run);

}  // namespace scoretext
