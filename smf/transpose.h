// Moving every note of a format-1 file by a number of semitones.
#pragma once

#include <cstdint>

#include "smf/console.h"
#include "smf/input_stream.h"

namespace scoretext::smf {

// Walks the track_count tracks after the header of input and moves every
// note key in place before the bytes are handed on, printing
// "track <i> : <length>" after each track.  On a fault part of the output
// may have been handed on; it has not been committed.
void transpose_tracks(InputStream& input, int track_count, std::int32_t semitones,
                      Console& console);

}  // namespace scoretext::smf
