// Capacities of drum parts and of the drum definition file.
#pragma once

#include <cstddef>
#include <cstdint>

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

// The drum SMF: the event that would make this many events is refused, and
// so is an image of this many bytes or more.
inline constexpr std::size_t kEventsRefused = 2'000'000;
inline constexpr std::size_t kImageRefused = 1'048'576;
// A delta time must fit the four bytes of a variable-length quantity.
inline constexpr std::int64_t kDeltaRefused = std::int64_t{1} << 28;
// ST values: 60,000,000 divided by the value must give a tempo of 1 to
// 2^24 - 1 microseconds per quarter note.
inline constexpr std::int32_t kTempoValueMin = 4;
inline constexpr std::int32_t kTempoValueMax = 60'000'000;

}  // namespace scoretext::drum
