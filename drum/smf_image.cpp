#include "drum/smf_image.h"

#include <algorithm>

#include "drum/limits.h"
#include "compiler/exchange_order.h"
#include "frontend/score_tables.h"
#include "frontend/tool_error.h"
#include "smf/chunk_layout.h"
#include "smf/quantity.h"

namespace scoretext::drum {

namespace {

// The header chunk and the track's chunk header, the tempo and the time
// signature (each a delta time of 0, FF, type, length and data), the end of
// track.
constexpr std::size_t kMetaEventsSize = 7 + 8;
constexpr std::size_t kEndOfTrackSize = 4;
constexpr std::size_t kFixedSize = smf::kFirstTrackDataAt + kMetaEventsSize + kEndOfTrackSize;
// Status, key and velocity after each delta time.
constexpr std::size_t kEventBytes = 3;
constexpr std::uint16_t kFormat = 0;
constexpr std::uint16_t kTracks = 1;
static_assert(kDeltaRefused == smf::kQuantityLimit);

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
    size += smf::quantity_size(static_cast<std::uint64_t>(t - previous)) + kEventBytes;
    previous = t;
  }
  if (size >= kImageRefused) throw ToolError(Msg::OutputOverflow);
  return size;
}

void append_bytes(std::string& image, std::initializer_list<std::uint8_t> bytes) {
  for (const std::uint8_t b : bytes) image.push_back(static_cast<char>(b));
}

}  // namespace

void EventList::add(std::uint8_t status, int key, int velocity, std::int64_t time) {
  if (notes_.size() + 1 >= kEventsRefused) throw ToolError(Msg::TooManyEvents);
  times_.push_back(time);
  notes_.push_back({status, static_cast<std::uint8_t>(key), static_cast<std::uint8_t>(velocity)});
}

std::string build_smf_image(const EventList& events, const SmfSettings& settings) {
  const std::size_t size = image_size(events.times());
  std::string image;
  image.reserve(size);
  smf::append_header_chunk(image, kFormat, kTracks, kTicksPerQuarter);
  smf::append_chunk_header(image, smf::kTrackType, static_cast<std::uint32_t>(size - smf::kFirstTrackDataAt));
  append_bytes(image,
               {0, smf::kMetaStatus, smf::kTempoMeta, 3, settings.tempo[0], settings.tempo[1], settings.tempo[2]});
  append_bytes(image, {0, smf::kMetaStatus, smf::kTimeSignatureMeta, 4, settings.numerator, settings.denominator_power,
                       24, 8});

  std::int64_t previous = 0;
  for (const std::uint32_t i : exchange_sort_order(events.times())) {
    const std::int64_t t = events.time(i);
    smf::append_quantity(image, static_cast<std::uint32_t>(t - previous));
    previous = t;
    const NoteEvent& e = events[i];
    append_bytes(image, {e.status, e.key, e.velocity});
  }
  append_bytes(image, {0, smf::kMetaStatus, smf::kEndOfTrackMeta, 0});
  return image;
}

}  // namespace scoretext::drum
