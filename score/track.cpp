#include "score/track.h"

#include <algorithm>
#include <tuple>

#include "frontend/tool_error.h"
#include "smf/chunk_layout.h"
#include "smf/quantity.h"

namespace scoretext::score {
namespace {

constexpr int kNoteOff = smf::kNoteOffStatus;
constexpr int kNoteOn = smf::kNoteOnStatus;

void check_size(const std::string& out, std::size_t limit) {
  if (out.size() > limit) throw ToolError(Msg::OutputOverflow);
}

}  // namespace

void append_delta(std::string& out, std::int64_t value) {
  if (value < 0 || value >= std::int64_t{smf::kQuantityLimit}) throw ToolError(Msg::OutputOverflow);
  smf::append_quantity(out, static_cast<std::uint32_t>(value));
}

void Track::add(Event e) {
  last_tick_ = std::max(last_tick_, e.tick);
  least_bytes_ += e.status == 0xFF ? 4 + texts_[e.text].size() : (e.data2 == kNone ? 3 : 4);
  events_.push_back(e);
}

void Track::channel_message(std::int64_t tick, int status, int data1, int data2) {
  add({tick, kControl, static_cast<std::uint8_t>(status), static_cast<std::uint8_t>(data1),
       data2 < 0 ? kNone : static_cast<std::uint8_t>(data2), 0});
}

void Track::note_on(std::int64_t tick, int channel, int key, int velocity) {
  add({tick, kStart, static_cast<std::uint8_t>(kNoteOn | channel), static_cast<std::uint8_t>(key),
       static_cast<std::uint8_t>(velocity), 0});
}

void Track::note_off(std::int64_t tick, int channel, int key) {
  add({tick, kRelease, static_cast<std::uint8_t>(kNoteOff | channel), static_cast<std::uint8_t>(key), 0, 0});
}

void Track::meta(std::int64_t tick, int type, std::string_view text) {
  texts_.emplace_back(text);
  add({tick, kControl, 0xFF, static_cast<std::uint8_t>(type), kNone,
       static_cast<std::uint32_t>(texts_.size() - 1)});
}

void Track::replay(std::size_t first, std::size_t last, std::int64_t shift) {
  events_.reserve(events_.size() + (last - first));
  for (std::size_t i = first; i < last; ++i) {
    Event e = events_[i];
    e.tick += shift;
    add(e);
  }
}

void Track::write(std::string& out, std::int64_t end_tick, std::size_t limit) {
  // A stable sort: at one tick and rank, the order given.
  std::stable_sort(events_.begin(), events_.end(), [](const Event& a, const Event& b) {
    return std::tie(a.tick, a.rank) < std::tie(b.tick, b.rank);
  });
  std::int64_t now = 0;
  for (const Event& e : events_) {
    append_delta(out, e.tick - now);
    now = e.tick;
    out += static_cast<char>(e.status);
    out += static_cast<char>(e.data1);
    if (e.status == 0xFF) {
      const std::string& text = texts_[e.text];
      append_delta(out, static_cast<std::int64_t>(text.size()));
      out += text;
    } else if (e.data2 != kNone) {
      out += static_cast<char>(e.data2);
    }
    check_size(out, limit);
  }
  append_delta(out, std::max(end_tick, now) - now);
  out += static_cast<char>(smf::kMetaStatus);
  out += static_cast<char>(smf::kEndOfTrackMeta);
  out += '\0';
  check_size(out, limit);
}

}  // namespace scoretext::score
