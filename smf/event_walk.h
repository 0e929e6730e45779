// Walking the events of one track, as far as ardic needs: delta times,
// channel events and meta events.  System exclusive, system messages and
// running status are not understood.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace scoretext::smf {

// The new key for every possible key byte of a note-off, note-on or
// polyphonic key pressure event.
using KeyMap = std::array<std::uint8_t, 256>;

// Walks every event of a track's data and replaces the key of each event
// with status 80 to AF through keys; nothing else is changed.  Throws
// "対応できないコードがありました" for a status byte outside the channel
// events and FF, and "error" for an event that would run past the end of the
// data; the bytes past the end are never read.
void walk_track(std::span<std::uint8_t> data, const KeyMap& keys);

}  // namespace scoretext::smf
