// What reading one part gives: its track, its conductor settings and the
// tick at which it ends.
#pragma once

#include <cstdint>

#include "score/conductor.h"
#include "score/track.h"

namespace scoretext::score {

struct PartTrackData {
  Track track;
  PartConductor conductor;
  std::int64_t end_tick = 0;
};

// A part may not give more events than the largest file can hold.
void check_part_size(const Track& track);

}  // namespace scoretext::score
