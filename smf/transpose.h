// Moving every note of a format-1 file by a number of semitones.
#pragma once

#include <cstdint>
#include <span>

#include "smf/console.h"
#include "smf/event_walk.h"

namespace scoretext::smf {

// Every key byte (read as 0..255) moved by semitones and held within 0..127.
KeyMap shifted_keys(std::int32_t semitones);

// Walks the track_count tracks after the header of image and moves every
// note key in place, printing "track <i> : <length>" after each track.  On a
// fault the image may be partly changed; nothing has been written yet.
void transpose_tracks(std::span<std::uint8_t> image, int track_count, std::int32_t semitones,
                      Console& console);

}  // namespace scoretext::smf
