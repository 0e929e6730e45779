// The start of every text tool: argument count, the files opened in order,
// the main loop, and the report of the first error.
#pragma once

#include <functional>

#include "frontend/run.h"
#include "frontend/tool_config.h"

namespace scoretext {

// Reads a data file the tool needs before its input (drum definitions, say).
// Returns 0 to go on, or the exit status after writing its own report.
using DataStep = std::function<int()>;

// Runs a tool whose arguments are in-file and out-file.  Returns the exit
// status: 0 after a complete run, 1 after a usage, open or input error.
int run_text_tool(int argc, char** argv, const ToolConfig& config, NoteStatementHandler& notes,
                  const DataStep& before_input = {});

// Writes "ERROR:<message>:<line> <context>" on standard error.
void report_error(Msg message, long line_number, std::string_view context);

// Writes text on standard error in one write.
void write_stderr(std::string_view text);

}  // namespace scoretext
