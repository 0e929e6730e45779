// Track chunks: "MTrk", a 32-bit length and that many bytes of events.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "smf/input_stream.h"
#include "smf/size_limits.h"

namespace scoretext::smf {

struct TrackChunk {
  std::size_t offset = 0;    // where "MTrk" stands in the file
  std::uint32_t length = 0;  // the length field: the events, not the chunk header

  std::size_t data_offset() const { return offset + kChunkHeaderBytes; }
  std::size_t chunk_size() const { return kChunkHeaderBytes + length; }
  std::size_t end() const { return offset + chunk_size(); }
};

// Reads the track chunk header at position of input.  A chunk of any other
// type is not skipped; it, a header cut off by the end of the file, and a
// length that runs past the end of the file all throw Msg::SmfTrackHeader.
// The data of the returned chunk lies wholly inside the file.
TrackChunk read_track_chunk(InputStream& input, std::size_t position);

}  // namespace scoretext::smf
