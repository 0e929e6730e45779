#include "score/conductor.h"

#include <algorithm>
#include <tuple>

#include "smf/chunk_layout.h"

namespace scoretext::score {
namespace {

using smf::kKeySignatureMeta;
using smf::kTempoMeta;
using smf::kTimeSignatureMeta;

int meta_type(ConductorKind kind) {
  switch (kind) {
    case ConductorKind::Tempo: return kTempoMeta;
    case ConductorKind::TimeSignature: return kTimeSignatureMeta;
    case ConductorKind::Key: return kKeySignatureMeta;
  }
  return kTempoMeta;
}

struct Entry {
  const ConductorEvent* event;
  std::size_t part;
};

}  // namespace

void PartConductor::set(ConductorEvent event) {
  // Settings come in time order, so a setting of the same kind at the same
  // tick is the last one of its kind.
  for (auto it = events_.rbegin(); it != events_.rend() && it->tick == event.tick; ++it) {
    if (it->kind == event.kind) {
      *it = std::move(event);
      return;
    }
  }
  events_.push_back(std::move(event));
}

Track merge_conductor(const std::vector<PartSettings>& parts, bool name_files) {
  std::vector<Entry> all;
  for (std::size_t p = 0; p < parts.size(); ++p)
    for (const ConductorEvent& e : parts[p].conductor->events()) all.push_back({&e, p});
  std::stable_sort(all.begin(), all.end(), [](const Entry& a, const Entry& b) {
    return std::tie(a.event->tick, a.event->kind) < std::tie(b.event->tick, b.event->kind);
  });
  Track track;
  const Entry* previous = nullptr;
  for (const Entry& entry : all) {
    const ConductorEvent& e = *entry.event;
    if (previous && previous->event->tick == e.tick && previous->event->kind == e.kind) {
      if (previous->event->data != e.data)
        throw error_in_part(Msg::Twice, e.place, *parts[entry.part].file, name_files);
      continue;  // the same setting, written once
    }
    track.meta(e.tick, meta_type(e.kind), e.data);
    previous = &entry;
  }
  return track;
}

std::string tempo_data(std::int64_t beats_per_minute) {
  const std::int64_t micro = 60'000'000 / beats_per_minute;
  return {static_cast<char>(micro >> 16), static_cast<char>((micro >> 8) & 0xff), static_cast<char>(micro & 0xff)};
}

std::string time_signature_data(int numerator, int denominator_power) {
  return {static_cast<char>(numerator), static_cast<char>(denominator_power), 24, 8};
}

std::string key_data(int sharps, int minor) {
  return {static_cast<char>(sharps), static_cast<char>(minor)};
}

}  // namespace scoretext::score
