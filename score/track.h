// One track of the file being made: its events with their absolute ticks,
// kept in the order in which the part gave them, and laid out as the bytes
// of a track chunk's data.
//
// At one tick the events are written in three ranks: note-offs, then every
// other event (controllers, programs, pressure, pitch bend, texts) in the
// order given, then note-ons.  So a repeated note is never cut by its own
// release, and a program change sounds on the note that follows it.
// Events are written with their status byte (no running status); a note-off
// is 8n kk 00.  A delta time that does not fit four bytes (268,435,456
// ticks or more) is Msg::OutputOverflow.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace scoretext::score {

// Channel messages the parts write, by status (the channel in the low four
// bits), and the values they share.
inline constexpr int kControlChange = 0xB0;
inline constexpr int kPitchBend = 0xE0;
inline constexpr int kBendCentre = 8192;  // a bend of 0, as value + 8192
inline constexpr int kDefaultVelocity = 64;

class Track {
 public:
  enum Rank : std::uint8_t { kRelease, kControl, kStart };

  // A channel message of one or two data bytes (data2 < 0: one).
  void channel_message(std::int64_t tick, int status, int data1, int data2 = -1);
  void note_on(std::int64_t tick, int channel, int key, int velocity);
  void note_off(std::int64_t tick, int channel, int key);
  // A meta event (FF type len text), ranked with the controllers.
  void meta(std::int64_t tick, int type, std::string_view text);

  std::size_t size() const { return events_.size(); }
  // Room for `events` events, so that a large part is not copied as it grows.
  void reserve(std::size_t events) { events_.reserve(events); }
  // Appends copies of the events [first, last), each `shift` ticks later,
  // in their order: a pattern replayed.
  void replay(std::size_t first, std::size_t last, std::int64_t shift);
  // The latest tick of any event (0 for none).
  std::int64_t last_tick() const { return last_tick_; }
  // The bytes a writer will need at least: refuses early a part that could
  // only make a file beyond the limit.
  std::uint64_t least_bytes() const { return least_bytes_; }

  // Appends the track's data to `out`: events in order, then the end of
  // track at `end_tick` (or at the last event, if later).  `limit`: the
  // whole file may not grow beyond it (Msg::OutputOverflow).
  void write(std::string& out, std::int64_t end_tick, std::size_t limit);

 private:
  static constexpr std::uint8_t kNone = 0xFF;
  struct Event {
    std::int64_t tick;
    std::uint8_t rank;
    std::uint8_t status;  // 0xFF: meta event, data1 its type
    std::uint8_t data1;
    std::uint8_t data2;  // kNone: a message of one data byte
    std::uint32_t text;  // meta: index into texts_
  };
  void add(Event e);

  std::vector<Event> events_;
  std::vector<std::string> texts_;
  std::int64_t last_tick_ = 0;
  std::uint64_t least_bytes_ = 0;
};

// Appends a variable-length quantity.  Values of 2^28 and more are
// Msg::OutputOverflow.
void append_delta(std::string& out, std::int64_t value);

}  // namespace scoretext::score
