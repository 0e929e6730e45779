// Runs of plain channel events: a one-byte delta time, a status from 80 to
// EF and data bytes below 80, which is most of what a performance's tracks
// hold.  Where the processor has AVX2, such a run is checked and changed 64
// bytes at a time; elsewhere no run is ever found and the event walk does
// everything.  The block walk has a twin written a byte at a time, built
// everywhere, which gives the same result for every input; the portable
// build (SCORETEXT_PORTABLE) has no AVX2 code and walks runs with the twin.
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

// The block walk a byte at a time.
PlainRun walk_plain_blocks_scalar(std::span<std::uint8_t> window, std::size_t start,
                                  const KeyShift& shift);
// The block walk with AVX2, into `run`; false, nothing done, where it is not
// built or the processor lacks AVX2.
bool walk_plain_blocks_avx2(std::span<std::uint8_t> window, std::size_t start, const KeyShift& shift,
                            PlainRun& run);

}  // namespace scoretext::smf
