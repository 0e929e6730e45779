// The list of a file's track chunks, as belvar prints and extracts them.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "smf/console.h"
#include "smf/track_chunk.h"

namespace scoretext::smf {

// Steps over track_count chunks that follow the header without looking
// inside them, printing "track <i> : <length>" for each as it is found.
// Bytes after the last announced track are never examined.
std::vector<TrackChunk> list_tracks(std::span<const std::uint8_t> image, int track_count,
                                    Console& console);

}  // namespace scoretext::smf
