// The list of a file's track chunks, as belvar prints and extracts them.
#pragma once

#include <cstddef>
#include <span>

#include "smf/console.h"
#include "smf/input_stream.h"
#include "smf/pending_output.h"
#include "smf/track_chunk.h"

namespace scoretext::smf {

// One track written out as the list passes it: first header, then the
// track's chunk whole.
struct TrackCopy {
  std::size_t track = 0;
  PendingOutput* output = nullptr;  // none: nothing is written
  std::span<const std::uint8_t> header;
};

// Steps over track_count chunks that follow the header without looking
// inside them, printing "track <i> : <length>" for each as it is found, and
// hands the chunk that copy names to its output.  Bytes after the last
// announced track are never examined.
void list_tracks(InputStream& input, int track_count, Console& console, const TrackCopy& copy = {});

}  // namespace scoretext::smf
