// Capacities of drum parts and of the drum definition file.
#pragma once

#include <cstddef>

namespace scoretext::drum {

// Note numbers that a drum definition can assign: 0 ("C-2") to 119 ("B7").
inline constexpr int kDrumNotes = 120;
// A definition file may hold at most this many instruments; the next
// definition is refused.
inline constexpr std::size_t kInstrumentsMax = 119;
// Longest instrument name, in characters.
inline constexpr std::size_t kInstrumentNameMax = 10;
// How much of a definition line is kept: enough to find a comment that
// makes a long line short, and to show an over-long line in its error; the
// rest of a longer line is read past, never held.
inline constexpr std::size_t kDefinitionLineKept = 1 << 20;
// Largest velocity of an instrument group.
inline constexpr int kVelocityMax = 127;

}  // namespace scoretext::drum
