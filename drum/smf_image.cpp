#include "drum/smf_image.h"

#include <algorithm>

#include "drum/limits.h"
#include "compiler/exchange_order.h"
#include "frontend/score_tables.h"
#include "frontend/tool_error.h"

namespace scoretext::drum {

namespace {

// Header chunk, track chunk header (length at kTrackLengthAt), the tempo and
// the time signature, the end of track.
constexpr std::size_t kTrackLengthAt = 18;
constexpr std::size_t kTrackDataAt = kTrackLengthAt + 4;
constexpr std::size_t kMetaEventsSize = 7 + 8;
constexpr std::size_t kEndOfTrackSize = 4;
constexpr std::size_t kFixedSize = kTrackDataAt + kMetaEventsSize + kEndOfTrackSize;
// Status, key and velocity after each delta time.
constexpr std::size_t kEventBytes = 3;

std::size_t delta_size(std::int64_t delta) {
  std::size_t bytes = 1;
  while (delta >= 0x80) {
    delta >>= 7;
    ++bytes;
  }
  return bytes;
}

// The size of the image; it depends on the times alone, not on the order of
// equal ones.  Throws when the image or a delta time would be too large.
std::size_t image_size(std::span<const std::int64_t> times) {
  // Every event takes at least four bytes.
  if (times.size() > (kImageRefused - 1 - kFixedSize) / (kEventBytes + 1)) {
    throw ToolError(Msg::OutputOverflow);
  }
  std::vector<std::int64_t> sorted(times.begin(), times.end());
  std::sort(sorted.begin(), sorted.end());
  std::size_t size = kFixedSize;
  std::int64_t previous = 0;
  for (const std::int64_t t : sorted) {
    if (t - previous >= kDeltaRefused) throw ToolError(Msg::OutputOverflow);
    size += delta_size(t - previous) + kEventBytes;
    previous = t;
  }
  if (size >= kImageRefused) throw ToolError(Msg::OutputOverflow);
  return size;
}

void append_bytes(std::string& image, std::initializer_list<std::uint8_t> bytes) {
  for (const std::uint8_t b : bytes) image.push_back(static_cast<char>(b));
}

void append_big_endian(std::string& image, std::uint32_t value, int bytes) {
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
    image.push_back(static_cast<char>((value >> shift) & 0xff));
  }
}

}  // namespace

void EventList::add(std::uint8_t status, int key, int velocity, std::int64_t time) {
  if (notes_.size() + 1 >= kEventsRefused) throw ToolError(Msg::TooManyEvents);
  times_.push_back(time);
  notes_.push_back({status, static_cast<std::uint8_t>(key), static_cast<std::uint8_t>(velocity)});
}

void append_delta(std::string& image, std::uint32_t delta) {
  std::uint8_t groups[4];
  int n = 0;
  do {
    groups[n++] = static_cast<std::uint8_t>(delta & 0x7f);
    delta >>= 7;
  } while (delta != 0 && n < 4);
  while (n > 1) image.push_back(static_cast<char>(groups[--n] | 0x80));
  image.push_back(static_cast<char>(groups[0]));
}

std::string build_smf_image(const EventList& events, const SmfSettings& settings) {
  const std::size_t size = image_size(events.times());
  std::string image;
  image.reserve(size);
  append_bytes(image, {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1});
  append_big_endian(image, kTicksPerQuarter, 2);
  append_bytes(image, {'M', 'T', 'r', 'k'});
  append_big_endian(image, static_cast<std::uint32_t>(size - kTrackDataAt), 4);
  append_bytes(image, {0, 0xff, 0x51, 3, settings.tempo[0], settings.tempo[1], settings.tempo[2]});
  append_bytes(image, {0, 0xff, 0x58, 4, settings.numerator, settings.denominator_power, 24, 8});

  std::int64_t previous = 0;
  for (const std::uint32_t i : exchange_sort_order(events.times())) {
    const std::int64_t t = events.time(i);
    append_delta(image, static_cast<std::uint32_t>(t - previous));
    previous = t;
    const NoteEvent& e = events[i];
    append_bytes(image, {e.status, e.key, e.velocity});
  }
  append_bytes(image, {0, 0xff, 0x2f, 0});
  return image;
}

}  // namespace scoretext::drum
