// The header chunk of a Standard MIDI File: "MThd", length 6, format, track
// count and division, in the first 14 bytes.
#pragma once

#include <cstdint>
#include <span>

namespace scoretext::smf {

enum class FormatRule {
  Any,          // any format, 0 and 1 alike
  Format1Only,  // refuse everything but format 1
};

// Checks the header chunk at the start of image and returns its track count.
// Throws Msg::SmfHeader for a file too short to hold it, a chunk that is
// not MThd, a length other than 6 or a format above 255, and, under
// Format1Only, Msg::SmfNotFormat1 for any format but 1.  The
// division is not examined.
int check_header(std::span<const std::uint8_t> image, FormatRule rule);

// The division (ticks per quarter note, or the SMPTE form) of a checked
// header, as its two bytes stand.
std::uint16_t division(std::span<const std::uint8_t> image);

// Rewrites the format and track count of the header at the start of image.
void set_format_and_tracks(std::span<std::uint8_t> image, std::uint8_t format,
                           std::uint16_t track_count);

}  // namespace scoretext::smf
