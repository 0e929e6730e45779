// Runs of plain channel events: a one-byte delta time, a status from 80 to
// EF and data bytes below 80, which is most of what a performance's tracks
// hold.  Where the processor has AVX2, such a run is checked and changed 64
// bytes at a time; elsewhere no run is ever found and the event walk does
// everything.
#pragma once

#include <cstddef>
#include <span>

#include "smf/event_walk.h"

namespace scoretext::smf {

struct PlainRun {
  std::size_t next_event = 0;  // where the first event after the run starts
  // The end of the block that held something else (or the end of the
  // window): a new run is not looked for before the walk has passed it.
  std::size_t retry_at = 0;
};

// Walks the plain events from start, where an event starts in window, a
// block of 64 bytes at a time: as long as a block holds nothing but plain
// events and the window reaches 3 bytes past it, far enough for the rest of
// an event that starts in it.  Keys are moved exactly as walk_events moves
// them.  A run of no blocks returns start itself.
PlainRun walk_plain_run(std::span<std::uint8_t> window, std::size_t start, const KeyShift& shift);

}  // namespace scoretext::smf
