#include "event_walk.h"

#include <cstddef>

#include "tool_error.h"

namespace scoretext::smf {

namespace {

// A meta event's data length is never allowed to grow past this while it is
// read, so that a long run of continuation bytes cannot overflow it; any
// value this large runs past every track anyway.
constexpr std::uint64_t kLengthCeiling = std::uint64_t{1} << 40;

class EventCursor {
 public:
  explicit EventCursor(std::span<std::uint8_t> data) : data_(data) {}

  bool at_end() const { return position_ == data_.size(); }

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

  // The note key is the first of the two data bytes after the status.
  void map_key_and_skip(const KeyMap& keys) {
    require(2);
    data_[position_] = keys[data_[position_]];
    position_ += 2;
  }

 private:
  void require(std::uint64_t count) const {
    if (count > data_.size() - position_) throw ToolError(Msg::SmfEventOverrun);
  }

  std::span<std::uint8_t> data_;
  std::size_t position_ = 0;
};

void walk_event(EventCursor& cursor, const KeyMap& keys) {
  cursor.take_quantity();  // delta time
  const std::uint8_t status = cursor.take();
  if (status >= 0x80 && status <= 0xAF) {  // note off, note on, key pressure
    cursor.map_key_and_skip(keys);
  } else if ((status >= 0xB0 && status <= 0xBF) || (status >= 0xE0 && status <= 0xEF)) {
    cursor.skip(2);  // control change, pitch bend
  } else if (status >= 0xC0 && status <= 0xDF) {
    cursor.skip(1);  // program change, channel pressure
  } else if (status == 0xFF) {
    cursor.take();  // meta event type
    cursor.skip(cursor.take_quantity());
  } else {
    throw ToolError(Msg::SmfUnsupported);
  }
}

}  // namespace

void walk_track(std::span<std::uint8_t> data, const KeyMap& keys) {
  EventCursor cursor(data);
  while (!cursor.at_end()) walk_event(cursor, keys);
}

}  // namespace scoretext::smf
