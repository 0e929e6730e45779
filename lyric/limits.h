// Capacities of the lyric file: the edges at which nolwen refuses it.
// Storage is sized to the file; nothing is reserved up front.
#pragma once

#include <cstddef>

namespace scoretext::lyric::limits {

// A lyric file gives at most this many entries.
inline constexpr std::size_t kEntries = 1'000'000;
// An entry holds at most this many bytes (a kana counts two).
inline constexpr std::size_t kEntryBytes = 39;

}  // namespace scoretext::lyric::limits
