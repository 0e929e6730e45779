// What sirenta keeps while it reads a sung part: the records made so far,
// the settings that shape the notes still to come, the tie between note
// statements and the patterns.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "frontend/limits.h"
#include "vocal/pitch.h"
#include "vocal/vocal_record.h"

namespace scoretext::vocal {

// A pattern's records: [start, end) of the table, each unset until its PS
// or PE.
struct PatternSpan {
  std::optional<std::size_t> start;
  std::optional<std::size_t> end;
};

// Where an SK statement stood, for a reader that writes key signatures:
// sirenta keeps none.  The table had `records` records; its last one, when
// it was a rest, was `back_rest` ticks long (a later delay rest may join
// it), else back_rest is -1.
struct KeyMark {
  std::size_t records = 0;
  std::int64_t back_rest = -1;
  int sharps = 0;  // -7 (seven flats) .. 7
  bool minor = false;
};

struct PartState {
  EventTable table;
  // The singing attributes every new note starts from.
  NoteStyle style;
  PitchSettings pitch;
  // SS: 0 for none, n for the staccato Sn.
  int staccato_default = 0;
  // The last note statement ended with a tie.
  bool pending_tie = false;
  // The pattern whose PE has not come yet, or -1.
  int open_pattern = -1;
  // The table's size at the latest PS or PE: a delay rest joins only a rest
  // appended since, so that it never reaches across a pattern's edge.
  std::size_t block_start = 0;
  // Indexed by pattern number (0..kPatterns-1, checked by the caller);
  // grown to the highest number used, so a part without patterns holds none.
  std::vector<PatternSpan> patterns;
  // Null unless the reader asked for the keys.
  std::vector<KeyMark>* key_marks = nullptr;

  bool pattern_open() const { return open_pattern >= 0; }
  PatternSpan& pattern(int n) {
    const auto at = static_cast<std::size_t>(n);
    if (at >= patterns.size()) patterns.resize(at + 1);
    return patterns[at];
  }
};

}  // namespace scoretext::vocal
