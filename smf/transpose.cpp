#include "smf/transpose.h"

#include <algorithm>

#include "smf/event_walk.h"
#include "smf/track_chunk.h"

namespace scoretext::smf {

namespace {

// A window smaller than this is slid along before it is walked, so that
// each walk covers most of the buffer.
constexpr std::size_t kWindowBytes = 4096;

// The events of a track, a window of the input at a time.
void walk_chunk(InputStream& input, const TrackChunk& chunk, const KeyShift& shift) {
  std::size_t position = chunk.data_offset();
  const std::size_t end = chunk.end();
  std::size_t wanted = kWindowBytes;
  while (position < end) {
    std::span<std::uint8_t> window = input.window(position, wanted);
    window = window.first(std::min(window.size(), end - position));
    const std::size_t walked = walk_events(window, end - position, shift);
    // An event that the window cuts off at its start: a longer window.
    wanted = walked == 0 ? 2 * window.size() : kWindowBytes;
    position += walked;
  }
}

}  // namespace

void transpose_tracks(InputStream& input, int track_count, std::int32_t semitones,
                      Console& console) {
  const KeyShift shift = key_shift(semitones);
  std::size_t position = kHeaderBytes;
  for (int i = 0; i < track_count; ++i) {
    const TrackChunk chunk = read_track_chunk(input, position);
    walk_chunk(input, chunk, shift);
    console.track_line(static_cast<std::size_t>(i), chunk.length);
    position = chunk.end();
  }
}

}  // namespace scoretext::smf
