// The numbers given on the command lines of the SMF utilities.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace scoretext::smf {

// ardic's semitone shift: an optional "-" and decimal digits; empty text and
// "-" alone are 0.  Values beyond 32 bits stop at the nearest limit.  Any
// other character, "+" included, gives nothing.
std::optional<std::int32_t> parse_shift(std::string_view text);

// belvar's track number: decimal digits only, empty text is 0; values beyond
// the largest 32-bit number stop there.  Any other character gives nothing.
std::optional<std::int32_t> parse_track_number(std::string_view text);

}  // namespace scoretext::smf
