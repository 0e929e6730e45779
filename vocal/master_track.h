// Where the master track's time signatures and tempos stand.  The master
// track counts from the start of the song; the musical part starts
// `part_position` ticks later (after the pre-measure).  A record at part
// tick 0 stands at song tick 0, one at part tick t > 0 at part_position + t.
//
// A tempo's posTick is that song tick.  A time signature's posMes is the
// number of the first measure that starts at or after it, counted from the
// song's start: each signature takes over at that bar line, and measures
// before it have the length of the signature in force (the template's
// first, `template_measure` ticks, until the part's own take over).
#pragma once

#include <cstdint>
#include <vector>

#include "vocal/vocal_record.h"

namespace scoretext::vocal {

std::int64_t song_tick(std::int64_t part_tick, std::int64_t part_position);

// The posMes of every time-signature record, in table order.  The records
// must be placed.
std::vector<std::int64_t> time_signature_measures(const EventTable& table,
                                                  std::int64_t part_position,
                                                  std::int64_t template_measure);

}  // namespace scoretext::vocal
