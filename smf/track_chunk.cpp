#include "smf/track_chunk.h"

#include <algorithm>
#include <array>

#include "smf/byte_order.h"
#include "smf/chunk_layout.h"
#include "frontend/tool_error.h"

namespace scoretext::smf {

TrackChunk read_track_chunk(InputStream& input, std::size_t position) {
  const std::size_t file_size = input.size();
  if (position > file_size || file_size - position < kChunkHeaderBytes) {
    throw ToolError::bare(Msg::SmfTrackHeader);
  }
  const std::span<const std::uint8_t> header = input.window(position, kChunkHeaderBytes);
  if (header.size() < kChunkHeaderBytes ||
      !std::equal(kTrackType.begin(), kTrackType.end(), header.begin())) {
    throw ToolError::bare(Msg::SmfTrackHeader);
  }
  const TrackChunk chunk{position, read_be32(header, kLengthAt)};
  if (chunk.length > file_size - chunk.data_offset()) throw ToolError::bare(Msg::SmfTrackHeader);
  return chunk;
}

}  // namespace scoretext::smf
