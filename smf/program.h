// The frame of an SMF utility's main: run the tool, report its failure in
// the tool's way, print everything on standard output at the end.
#pragma once

#include <string>
#include <vector>

#include "smf/console.h"

namespace scoretext::smf {

using ToolBody = void (*)(const std::vector<std::string>& args, Console& console);

// Runs body; a failure appends its report to console.  Returns the exit
// status: 0 after a complete run, 1 after any failure.
int run_reported(ToolBody body, const std::vector<std::string>& args, Console& console);

// main of a utility: runs body on the command line and prints the console
// text at the end.  A file-size limit and a closed pipe are failed writes,
// never a kill; a console text that cannot be written in full makes the
// status 1.
int run_program(ToolBody body, int argc, char** argv);

}  // namespace scoretext::smf
