#include "smf/transpose.h"

#include <algorithm>

#include "smf/track_chunk.h"

namespace scoretext::smf {

KeyMap shifted_keys(std::int32_t semitones) {
  KeyMap keys{};
  for (std::size_t key = 0; key < keys.size(); ++key) {
    const std::int64_t moved = static_cast<std::int64_t>(key) + semitones;
    keys[key] = static_cast<std::uint8_t>(std::clamp<std::int64_t>(moved, 0, 127));
  }
  return keys;
}

void transpose_tracks(std::span<std::uint8_t> image, int track_count, std::int32_t semitones,
                      Console& console) {
  const KeyMap keys = shifted_keys(semitones);
  std::size_t position = kHeaderBytes;
  for (int i = 0; i < track_count; ++i) {
    const TrackChunk chunk = read_track_chunk(image, position);
    walk_track(image.subspan(chunk.data_offset(), chunk.length), keys);
    console.track_line(static_cast<std::size_t>(i), chunk.length);
    position = chunk.end();
  }
}

}  // namespace scoretext::smf
