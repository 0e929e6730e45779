// A whole song: every part of the command line read into its track, the
// conductor merged from their settings, and the file laid out.  Nothing is
// written here; the caller writes the image it returns.
#pragma once

#include <string>

#include "score/command_line.h"

namespace scoretext::score {

// Reads every part in order and returns the bytes of the Standard MIDI File.
// Errors name the part's file where there are several parts.
std::string compile_song(const CommandLine& line);

// The track name of a part: its file's base name.
std::string base_name(const std::string& path);

}  // namespace scoretext::score
