// Writing a finished output file.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

namespace scoretext::smf {

// Creates (or truncates) the file at path and writes the pieces one after
// another with a single gathering write.  A file that cannot be created is an
// open error; so is one that cannot be written to the end, in which case a
// regular file left incomplete is removed rather than kept half written.
void write_output(const std::string& path,
                  std::initializer_list<std::span<const std::uint8_t>> pieces);

}  // namespace scoretext::smf
