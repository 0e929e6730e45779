// Sizes of Standard MIDI File structures and the edges at which the SMF
// utilities refuse their input.
#pragma once

#include <cstddef>

namespace scoretext::smf {

// The header chunk: "MThd", its length 6, format, track count, division.
inline constexpr std::size_t kHeaderBytes = 14;
// A track chunk's type and length field, before its data.
inline constexpr std::size_t kChunkHeaderBytes = 8;
// No input is read, and no output written, beyond this many bytes (100 MiB).
inline constexpr std::size_t kMaxFileBytes = 104'857'600;
// The header's track count is 16 bits wide.
inline constexpr long kMaxTrackCount = 65'535;

}  // namespace scoretext::smf
