// The drum SMF: the note events of a drum part and the file they make.
//
//   EventList        note events in the order they were added, each with its
//                    absolute time in ticks (0 or more); the 2,000,000th is
//                    refused (Msg::TooManyEvents)
//   build_smf_image  the whole file: format 0, one track, 480 ticks to the
//                    quarter, the tempo and the time signature at tick 0,
//                    then the events in the order a plain exchange sort of
//                    their times leaves them, each with its delta time as a
//                    variable-length quantity and its own status byte, and
//                    the end of track.  An image of 1,048,576 bytes or more,
//                    or a delta time that needs more than four bytes, is
//                    refused (Msg::OutputOverflow) before anything
//                    is ordered.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "smf/chunk_layout.h"

namespace scoretext::drum {

inline constexpr std::uint8_t kNoteOn = smf::kNoteOnStatus;    // channel 1
inline constexpr std::uint8_t kNoteOff = smf::kNoteOffStatus;  // channel 1

struct NoteEvent {
  std::uint8_t status;
  std::uint8_t key;
  std::uint8_t velocity;
};

class EventList {
 public:
  // Appends an event; throws when it would be the 2,000,000th.
  void add(std::uint8_t status, int key, int velocity, std::int64_t time);
  // Gives the event added last another velocity.
  void set_last_velocity(int velocity) { notes_.back().velocity = static_cast<std::uint8_t>(velocity); }

  std::size_t size() const { return notes_.size(); }
  const NoteEvent& operator[](std::size_t i) const { return notes_[i]; }
  std::int64_t time(std::size_t i) const { return times_[i]; }
  std::span<const std::int64_t> times() const { return times_; }

 private:
  std::vector<std::int64_t> times_;
  std::vector<NoteEvent> notes_;
};

// The data bytes of the two meta events at tick 0.
struct SmfSettings {
  std::array<std::uint8_t, 3> tempo{};  // microseconds per quarter, big-endian
  std::uint8_t numerator = 0;
  std::uint8_t denominator_power = 0;  // 2 for a quarter, 3 for an eighth ...
};

std::string build_smf_image(const EventList& events, const SmfSettings& settings);

}  // namespace scoretext::drum
