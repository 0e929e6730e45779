// ardic in_file n outfile: every note of a format-1 file moved by n
// semitones, written to a file of the same size.
#pragma once

#include <string>
#include <vector>

#include "smf/console.h"

namespace scoretext::smf {

// Runs ardic on its arguments (without the program name); throws on every
// failure, with nothing written.
void run_ardic(const std::vector<std::string>& args, Console& console);

}  // namespace scoretext::smf
