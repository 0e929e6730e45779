// Placing a sung part in time, once the whole part is read: every record
// gets its tick, the beat snaps pull the part onto quarter-note boundaries,
// and each note's control curves become control events.
//
//   note, rest     stands at the current tick, which grows by its length;
//                  each curve (DYN .. PBS in that order) spreads its values
//                  over the note's control span, one every span / count
//                  ticks
//   SB, ST         stand at the current tick; the first of each kind, when
//                  it stands at tick 0, replaces the template's own
//   SV, SL1, SL2   r = tick mod 480: r >= 380 lengthens the last note or
//                  rest to the next boundary, r <= 100 shortens it back to
//                  the last one, anything between is "SV error"; so is a
//                  note or rest left with no length.  Before any note or
//                  rest a beat snap does nothing.  Control events already
//                  made keep their ticks.
//
// Before each record, more than `max_events` events (kMaxControlEvents)
// made so far is " mCtrl over".  Both errors are thrown bare.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "vocal/vocal_record.h"

namespace scoretext::vocal {

// Control events in the order in which they were made.
struct ControlEvents {
  std::vector<std::int64_t> ticks;
  std::vector<std::int32_t> values;
  std::vector<std::uint8_t> kinds;  // ControlKind

  std::size_t size() const { return ticks.size(); }
};

struct Placement {
  // The tick after the last note or rest: the part's play time.
  std::int64_t play_time = 0;
  // The time signature (index into kTimeSignatures) that replaces the
  // template's, when the part's first SB stands at tick 0.
  std::optional<int> opening_time_signature;
  // The part's first ST stands at tick 0 and replaces the template's tempo.
  bool opening_tempo = false;
  ControlEvents controls;
};

// Sets the position of every record and the length of every snapped note or
// rest.
Placement place_records(EventTable& table, std::size_t max_events = kMaxControlEvents);

}  // namespace scoretext::vocal
