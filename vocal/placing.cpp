#include "vocal/placing.h"

#include "frontend/score_tables.h"
#include "frontend/tool_error.h"

namespace scoretext::vocal {

namespace {

// Ticks past a quarter-note boundary: up to kSnapBack a beat snap goes back
// to it, from kSnapOn on to the next one.
constexpr std::int64_t kSnapBack = 100;
constexpr std::int64_t kSnapOn = 380;

// How many events the curves of the table make, so that the event table is
// allocated once (never beyond what the limit lets through).
std::size_t events_to_make(const EventTable& table, std::size_t max_events) {
  std::size_t count = 0;
  for (const VocalRecord& record : table) {
    if (!record.controls) continue;
    for (const auto& list : record.controls->lists) {
      if (list) count += static_cast<std::size_t>(list->count);
    }
    if (count > max_events) break;
  }
  return count;
}

void spread_controls(const VocalRecord& record, ControlEvents& events) {
  if (!record.controls) return;
  for (int kind = 0; kind < kControlKinds; ++kind) {
    const auto& list = record.controls->lists[static_cast<std::size_t>(kind)];
    if (!list || list->count <= 0) continue;
    const std::int64_t step = record.control_span / list->count;
    for (int i = 0; i < list->count; ++i) {
      events.ticks.push_back(record.position + i * step);
      events.values.push_back(list->values[static_cast<std::size_t>(i)]);
      events.kinds.push_back(static_cast<std::uint8_t>(kind));
    }
  }
}

// Moves the current tick to a quarter-note boundary by lengthening or
// shortening the last note or rest.
void snap(std::int64_t& tick, VocalRecord* last_sounding) {
  if (last_sounding == nullptr) return;
  const std::int64_t r = tick % kTicksPerQuarter;
  if (r >= kSnapOn) {
    last_sounding->length += kTicksPerQuarter - r;
    tick += kTicksPerQuarter - r;
  } else if (r > kSnapBack) {
    throw ToolError::bare(Msg::BeatSnapError);
  } else {
    last_sounding->length -= r;
    tick -= r;
    if (last_sounding->length <= 0) throw ToolError::bare(Msg::BeatSnapError);
  }
}

}  // namespace

Placement place_records(EventTable& table, std::size_t max_events) {
  Placement placed;
  const std::size_t expected = events_to_make(table, max_events);
  placed.controls.ticks.reserve(expected);
  placed.controls.values.reserve(expected);
  placed.controls.kinds.reserve(expected);

  std::int64_t tick = 0;
  VocalRecord* last_sounding = nullptr;
  bool time_signature_seen = false;
  bool tempo_seen = false;
  for (VocalRecord& record : table) {
    if (placed.controls.size() > max_events) throw ToolError::bare(Msg::ControlEventsOver);
    switch (record.kind) {
      case RecordKind::Note:
      case RecordKind::Rest:
        record.position = tick;
        tick += record.length;
        last_sounding = &record;
        spread_controls(record, placed.controls);
        break;
      case RecordKind::TimeSignature:
        record.position = tick;
        if (!time_signature_seen && tick == 0) placed.opening_time_signature = record.time_signature;
        time_signature_seen = true;
        break;
      case RecordKind::Tempo:
        record.position = tick;
        if (!tempo_seen && tick == 0) placed.opening_tempo = true;
        tempo_seen = true;
        break;
      case RecordKind::BeatSnap:
        record.position = tick;
        snap(tick, last_sounding);
        break;
    }
  }
  placed.play_time = tick;
  return placed;
}

}  // namespace scoretext::vocal
