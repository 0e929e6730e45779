#include "smf/track_table.h"

namespace scoretext::smf {

void list_tracks(InputStream& input, int track_count, Console& console, const TrackCopy& copy) {
  std::size_t position = kHeaderBytes;
  for (int i = 0; i < track_count; ++i) {
    const TrackChunk chunk = read_track_chunk(input, position);
    const auto index = static_cast<std::size_t>(i);
    console.track_line(index, chunk.length);
    if (copy.output != nullptr && index == copy.track) {
      copy.output->write(copy.header);
      input.hand_on(*copy.output, chunk.offset, chunk.end());
    }
    position = chunk.end();
  }
}

}  // namespace scoretext::smf
