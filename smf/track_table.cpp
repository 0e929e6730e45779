#include "smf/track_table.h"

namespace scoretext::smf {

std::vector<TrackChunk> list_tracks(std::span<const std::uint8_t> image, int track_count,
                                    Console& console) {
  std::vector<TrackChunk> tracks;
  tracks.reserve(static_cast<std::size_t>(track_count));
  std::size_t position = kHeaderBytes;
  for (int i = 0; i < track_count; ++i) {
    const TrackChunk chunk = read_track_chunk(image, position);
    console.track_line(tracks.size(), chunk.length);
    tracks.push_back(chunk);
    position = chunk.end();
  }
  return tracks;
}

}  // namespace scoretext::smf
