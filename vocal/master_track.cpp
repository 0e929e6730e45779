#include "vocal/master_track.h"

#include <algorithm>

#include "frontend/score_tables.h"

namespace scoretext::vocal {

std::int64_t song_tick(std::int64_t part_tick, std::int64_t part_position) {
  return part_tick == 0 ? 0 : part_position + part_tick;
}

std::vector<std::int64_t> time_signature_measures(const EventTable& table,
                                                  std::int64_t part_position,
                                                  std::int64_t template_measure) {
  std::vector<std::int64_t> measures;
  // The signature in force: it starts at measure `first` on song tick
  // `start`, and each of its measures is `length` ticks long.
  std::int64_t first = 0;
  std::int64_t start = 0;
  std::int64_t length = template_measure;
  for (const VocalRecord& record : table) {
    if (record.kind != RecordKind::TimeSignature) continue;
    const std::int64_t past = std::max<std::int64_t>(0, song_tick(record.position, part_position) - start);
    const std::int64_t measure = first + (past + length - 1) / length;
    measures.push_back(measure);
    start += (measure - first) * length;
    first = measure;
    length = kTimeSignatures[static_cast<std::size_t>(record.time_signature)].ticks_per_measure();
  }
  return measures;
}

}  // namespace scoretext::vocal
