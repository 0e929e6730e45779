// The command line of scoremidi: parts, each one track, then the out-file.
//
//   scoremidi [-d FILE | -c N FILE | -v FILE | FILE]... out-file
//
// -d puts a part on channel 10, -c N on channel N (1..16); -v marks a sung
// part.  Every part without a channel of its own takes the next free
// channel, 1, 2, 3 ..., skipping 10 and every channel named on the line.
// Anything else (no part, no out-file, a missing operand, an unknown option,
// more parts than free channels) throws the usage text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scoretext::score {

inline constexpr std::string_view kUsage =
    "scoremidi 0.10\nscoremidi [-d FILE | -c N FILE | -v FILE | FILE]... out-file\n";

struct PartArgument {
  std::string path;
  int channel = 0;  // 0..15, as written in the status byte
  bool vocal = false;
};

struct CommandLine {
  std::vector<PartArgument> parts;
  std::string out_file;
};

// `args`: the arguments after the program name.
CommandLine parse_command_line(const std::vector<std::string>& args);

}  // namespace scoretext::score
