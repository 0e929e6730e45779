// Walking the events of one track, as far as ardic needs: delta times,
// channel events and meta events.  System exclusive, system messages and
// running status are not understood.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace scoretext::smf {

// Every note key moved by a number of semitones and held within 0..127.
struct KeyShift {
  // The new key for every possible key byte (read as 0..255) of a note-off,
  // note-on or polyphonic key pressure event.
  std::array<std::uint8_t, 256> keys{};
  // The same move for the keys 0..127 as two saturating byte steps: add up,
  // then take away down.  One of them is 0.
  std::uint8_t up = 0;
  std::uint8_t down = 0;
};

KeyShift key_shift(std::int32_t semitones);

// Walks the events that start in window, a piece of a track's data that
// begins where an event begins, and replaces the key of each event with
// status 80 to AF through shift; nothing else is changed.  track_left counts
// the track's bytes from the window's start: the window is either all of
// them or their first part.
//
// Returns where the first event not walked starts.  When the window reaches
// the end of the track, that is the end, and an event that would run past
// it throws "error"; the bytes past the end are never read.  Otherwise the
// walk stops at the first event that the window cuts off and leaves it
// untouched; a meta event's data is never looked at, so the event after one
// may start beyond the window.  Either way a status byte outside the channel
// events and FF throws Msg::SmfUnsupported.
std::size_t walk_events(std::span<std::uint8_t> window, std::size_t track_left,
                        const KeyShift& shift);

// Walks a track's data whole.
inline void walk_track(std::span<std::uint8_t> data, const KeyShift& shift) {
  walk_events(data, data.size(), shift);
}

}  // namespace scoretext::smf
