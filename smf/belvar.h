// belvar in_file: the track list of a format-1 file.
// belvar in_file trk outfile: the list, then track trk alone in a format-0
// file of its own.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "smf/console.h"
#include "smf/size_limits.h"

namespace scoretext::smf {

// The header of an extracted track: that of the input made format 0 with one
// track, its division kept.
std::array<std::uint8_t, kHeaderBytes> single_track_header(std::span<const std::uint8_t> image);

// Runs belvar on its arguments (without the program name); throws on every
// failure, with nothing written.
void run_belvar(const std::vector<std::string>& args, Console& console);

}  // namespace scoretext::smf
