#include "smf/track_chunk.h"

#include <algorithm>
#include <array>

#include "smf/byte_order.h"
#include "frontend/tool_error.h"

namespace scoretext::smf {

namespace {

constexpr std::array<std::uint8_t, 4> kTrackType = {0x4D, 0x54, 0x72, 0x6B};  // "MTrk"

}  // namespace

TrackChunk read_track_chunk(std::span<const std::uint8_t> image, std::size_t position) {
  if (position > image.size() || image.size() - position < kChunkHeaderBytes ||
      !std::equal(kTrackType.begin(), kTrackType.end(), image.begin() + position)) {
    throw ToolError::bare(Msg::SmfTrackHeader);
  }
  const TrackChunk chunk{position, read_be32(image, position + kTrackType.size())};
  if (chunk.length > image.size() - chunk.data_offset()) throw ToolError::bare(Msg::SmfTrackHeader);
  return chunk;
}

}  // namespace scoretext::smf
