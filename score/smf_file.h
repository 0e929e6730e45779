// The Standard MIDI File scoremidi writes: format 1, 480 ticks to the
// quarter note, the conductor track first, then one track per part, each
// named (FF 03) after its part.  A file above kLargestFile bytes, or a delta
// time that does not fit four bytes, is Msg::OutputOverflow.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "score/track.h"

namespace scoretext::score {

inline constexpr std::size_t kLargestFile = 104'857'600;

struct PartTrack {
  std::string name;  // FF 03; empty: no name event (the conductor)
  Track* track;
  // The track ends here, or at its last event if that is later.
  std::int64_t end_tick = 0;
};

std::string build_smf(const std::vector<PartTrack>& tracks);

}  // namespace scoretext::score
