#include "smf/event_walk.h"

#include <array>
#include <cstddef>

#include "frontend/tool_error.h"

namespace scoretext::smf {

namespace {

// A meta event's data length is never allowed to grow past this while it is
// read, so that a long run of continuation bytes cannot overflow it; any
// value this large runs past every track anyway.
constexpr std::uint64_t kLengthCeiling = std::uint64_t{1} << 40;
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
  explicit EventCursor(std::span<std::uint8_t> data) : data_(data) {}

  bool at_end() const { return position_ == data_.size(); }

  // Most events are a one-byte delta time and a channel event.  When four
  // bytes are at hand, such an event is taken without a check per byte;
  // false leaves everything else to the general walk.
  bool take_short_channel_event(const KeyMap& keys) {
    if (data_.size() - position_ < 4) return false;
    std::uint8_t* event = data_.data() + position_;
    if (event[0] & 0x80) return false;
    switch (kStatusKinds[event[1]]) {
      case StatusKind::KeyFirst:
        event[2] = keys[event[2]];
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

  void take_event(const KeyMap& keys) {
    take_quantity();  // delta time
    const std::uint8_t status = take();
    switch (kStatusKinds[status]) {
      case StatusKind::KeyFirst:
        require(2);
        data_[position_] = keys[data_[position_]];
        position_ += 2;
        return;
      case StatusKind::TwoData:
        skip(2);
        return;
      case StatusKind::OneData:
        skip(1);
        return;
      case StatusKind::Other:
        break;
    }
    if (status != kMetaEvent) unsupported();  // system exclusive, system messages, running status
    take();                                   // meta event type
    skip(take_quantity());
  }

 private:
  std::uint8_t take() {
    require(1);
    return data_[position_++];
  }

  // A variable-length quantity: bytes with the top bit set, then one without.
  std::uint64_t take_quantity() {
    std::uint64_t value = 0;
    std::uint8_t byte = 0;
    do {
      byte = take();
      if (value < kLengthCeiling) value = value << 7 | (byte & 0x7F);
    } while (byte & 0x80);
    return value;
  }

  void skip(std::uint64_t count) {
    require(count);
    position_ += static_cast<std::size_t>(count);
  }

  void require(std::uint64_t count) const {
    if (count > data_.size() - position_) [[unlikely]] overrun();
  }

  std::span<std::uint8_t> data_;
  std::size_t position_ = 0;
};

}  // namespace

void walk_track(std::span<std::uint8_t> data, const KeyMap& keys) {
  EventCursor cursor(data);
  while (!cursor.at_end()) {
    if (!cursor.take_short_channel_event(keys)) cursor.take_event(keys);
  }
}

}  // namespace scoretext::smf
