#include "smf/event_walk.h"

#include <algorithm>

#include "frontend/tool_error.h"
#include "smf/plain_run.h"
#include "smf/quantity.h"

namespace scoretext::smf {

namespace {

constexpr std::uint8_t kMetaEvent = 0xFF;

[[noreturn, gnu::noinline]] void overrun() { throw ToolError::bare(Msg::SmfEventOverrun); }
[[noreturn, gnu::noinline]] void unsupported() { throw ToolError::bare(Msg::SmfUnsupported); }

// What follows each status byte, looked up once per event.
enum class StatusKind : std::uint8_t {
  Other,     // meta event, system message, or a data byte (running status)
  OneData,   // program change, channel pressure
  TwoData,   // control change, pitch bend
  KeyFirst,  // note off, note on, polyphonic key pressure: a key, then a value
};

constexpr std::array<StatusKind, 256> kStatusKinds = [] {
  std::array<StatusKind, 256> kinds{};
  for (int status = 0x80; status <= 0xEF; ++status) {
    kinds[status] = status <= 0xAF   ? StatusKind::KeyFirst
                    : status <= 0xBF ? StatusKind::TwoData
                    : status <= 0xDF ? StatusKind::OneData
                                     : StatusKind::TwoData;
  }
  return kinds;
}();

class EventCursor {
 public:
  EventCursor(std::span<std::uint8_t> window, std::size_t track_left)
      : data_(window), track_end_(window.size() == track_left), track_left_(track_left) {}

  std::size_t position() const { return position_; }
  void move_to(std::size_t position) { position_ = position; }

  // Most events are a one-byte delta time and a channel event.  When four
  // bytes are at hand, such an event is taken without a check per byte;
  // false leaves everything else to the general walk.
  bool take_short_channel_event(const KeyShift& shift) {
    if (data_.size() - position_ < 4) return false;
    std::uint8_t* event = data_.data() + position_;
    if (event[0] & 0x80) return false;
    switch (kStatusKinds[event[1]]) {
      case StatusKind::KeyFirst:
        event[2] = shift.keys[event[2]];
        [[fallthrough]];
      case StatusKind::TwoData:
        position_ += 4;
        return true;
      case StatusKind::OneData:
        position_ += 3;
        return true;
      case StatusKind::Other:
        break;
    }
    return false;
  }

  // Any event.  False, with the event untouched and the cursor at its start,
  // when the window ends inside it and the track does not.
  bool take_event(const KeyShift& shift) {
    const std::size_t start = position_;
    std::uint64_t value = 0;
    if (!take_quantity(value)) return cut_at(start);  // delta time
    if (!have(1)) return cut_at(start);
    const std::uint8_t status = data_[position_++];
    switch (kStatusKinds[status]) {
      case StatusKind::KeyFirst:
        if (!have(2)) return cut_at(start);
        data_[position_] = shift.keys[data_[position_]];
        position_ += 2;
        return true;
      case StatusKind::TwoData:
        if (!have(2)) return cut_at(start);
        position_ += 2;
        return true;
      case StatusKind::OneData:
        if (!have(1)) return cut_at(start);
        position_ += 1;
        return true;
      case StatusKind::Other:
        break;
    }
    if (status != kMetaEvent) unsupported();  // system exclusive, system messages, running status
    if (!have(1)) return cut_at(start);
    ++position_;  // meta event type
    if (!take_quantity(value)) return cut_at(start);
    // The data is skipped unread, within the track but not necessarily
    // within the window.
    if (value > track_left_ - position_) overrun();
    position_ += static_cast<std::size_t>(value);
    return true;
  }

 private:
  // count more bytes in the window.  Where the window ends the track, their
  // absence is the track's fault.
  bool have(std::size_t count) const {
    if (count <= data_.size() - position_) return true;
    if (track_end_) overrun();
    return false;
  }

  // A variable-length quantity (its value held below kQuantityCeiling, so
  // that a meta event's length cannot overflow).  Where the window ends the
  // track, a quantity cut off by it is the track's fault.
  bool take_quantity(std::uint64_t& value) {
    if (read_quantity(data_, position_, value)) return true;
    if (track_end_) overrun();
    return false;
  }

  bool cut_at(std::size_t start) {
    position_ = start;
    return false;
  }

  std::span<std::uint8_t> data_;
  bool track_end_;
  std::size_t track_left_;
  std::size_t position_ = 0;
};

}  // namespace

KeyShift key_shift(std::int32_t semitones) {
  KeyShift shift;
  for (std::size_t key = 0; key < shift.keys.size(); ++key) {
    const std::int64_t moved = static_cast<std::int64_t>(key) + semitones;
    shift.keys[key] = static_cast<std::uint8_t>(std::clamp<std::int64_t>(moved, 0, 127));
  }
  shift.up = static_cast<std::uint8_t>(std::clamp<std::int64_t>(semitones, 0, 127));
  shift.down = static_cast<std::uint8_t>(std::clamp<std::int64_t>(-std::int64_t{semitones}, 0, 127));
  return shift;
}

std::size_t walk_events(std::span<std::uint8_t> window, std::size_t track_left,
                        const KeyShift& shift) {
  EventCursor cursor(window, track_left);
  std::size_t next_run = 0;  // where a run of plain events is next looked for
  while (cursor.position() < window.size()) {
    if (cursor.position() >= next_run) {
      const PlainRun run = walk_plain_run(window, cursor.position(), shift);
      cursor.move_to(run.next_event);
      next_run = run.retry_at;
      continue;
    }
    if (!cursor.take_short_channel_event(shift) && !cursor.take_event(shift)) break;
  }
  return cursor.position();
}

}  // namespace scoretext::smf
