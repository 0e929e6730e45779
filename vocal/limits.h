// Capacities of a sung part: the edges at which sirenta refuses it.
// Storage is sized to the part; nothing is reserved up front.  The
// template's line limits stand with the template (template_defaults.h).
#pragma once

#include <cstddef>

namespace scoretext::vocal::limits {

// A part makes at most this many records (notes, rests, settings, the
// copies a pattern replay appends); the next is Msg::TooManyRecords.
inline constexpr std::size_t kRecords = 1'000'000;
// A lyric or phonetic text holds at most this many bytes of UTF-8.
inline constexpr std::size_t kTextBytes = 20;
// A control curve holds one to this many values.
inline constexpr int kCurveValues = 6;
// The control events that the curves of a part make once it is placed in
// time: at most this many (a few more from the last note) are written.
inline constexpr std::size_t kControlEvents = 20'000'000;

}  // namespace scoretext::vocal::limits
