// ostrin in_file1 in_file2 out_file: two files joined into one format-1 file.
#pragma once

#include <string>
#include <vector>

#include "smf/console.h"

namespace scoretext::smf {

// Runs ostrin on its arguments (without the program name); throws on every
// failure, with nothing written.
void run_ostrin(const std::vector<std::string>& args, Console& console);

}  // namespace scoretext::smf
