// A sung part as sirenta holds it: one record per note, rest, time
// signature, tempo or beat snap, in input order, in an event table that
// refuses its 1,000,001st record.  Ticks (480 to the quarter note) are held
// in 64 bits, so a long tie chain never wraps.  A note's control curves are
// shared, immutable values: a record replayed by PR shares its curves with
// the record it copies; the copies made by articulation splitting carry none.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "vocal/limits.h"

namespace scoretext::vocal {

enum class RecordKind : std::uint8_t { Note, TimeSignature, Tempo, BeatSnap, Rest };

// The control curves of a note, in the order in which they are spread.
enum ControlKind : int { kDyn, kBre, kBri, kCle, kGen, kPor, kPit, kPbs, kControlKinds };
inline constexpr std::array<std::string_view, kControlKinds> kControlNames = {
    "DYN", "BRE", "BRI", "CLE", "GEN", "POR", "PIT", "PBS"};

// One curve: one to six values, spread evenly over the note's control span.
struct ControlList {
  static constexpr int kMaxValues = limits::kCurveValues;
  std::array<std::int32_t, kMaxValues> values{};
  int count = 0;
};

// The curves of one note, by kind; an absent curve is null.
struct NoteControls {
  std::array<std::shared_ptr<const ControlList>, kControlKinds> lists;
};

// The singing attributes of a note.  The template supplies the defaults;
// these are the values used where it gives none.
struct NoteStyle {
  int accent = 50;
  int bend_depth = 8;
  int bend_length = 0;
  int decay = 50;
  int fall_portamento = 0;
  int opening = 64;
  int rise_portamento = 0;
};

struct VocalRecord {
  RecordKind kind = RecordKind::Note;
  // Time signature: index into kTimeSignatures (frontend/score_tables.h).
  int time_signature = 0;
  // Tempo in beats per minute, as the ST statement gave it.
  std::int32_t tempo = 0;
  // Articulation code 102..201 (the token's number plus one), 0 for none.
  int articulation = 0;
  // Texts in UTF-8, at most kTextBytes each; the phonetic text was given.
  static constexpr std::size_t kTextBytes = limits::kTextBytes;
  std::string lyric = "a";
  std::string phonetic = "a";
  bool phonetic_lock = false;
  // The lyric was given (a lyric token or LY), not the placeholder "a".
  bool lyric_given = false;
  // Ticks: the position is set when the records are placed.
  std::int64_t position = 0;
  std::int64_t length = 0;
  // Ticks over which the note's control curves are spread.
  std::int64_t control_span = 0;
  int note_number = 0;
  int velocity = 64;
  NoteStyle style;
  // Null when the note has no control curve.
  std::shared_ptr<const NoteControls> controls;

  bool sounds() const { return kind == RecordKind::Note || kind == RecordKind::Rest; }
};

// The control events that the curves of a part make, once it is placed in
// time: at most this many (a few more from the last note) are written.
inline constexpr std::size_t kMaxControlEvents = limits::kControlEvents;

// The records in input order.  Every append checks the table's room and
// throws Msg::TooManyRecords (unplaced) when it is full.
class EventTable {
 public:
  static constexpr std::size_t kCapacity = limits::kRecords;

  VocalRecord& append(VocalRecord record);
  // Appends copies of the records [first, last) of this table itself.
  void append_copies(std::size_t first, std::size_t last);

  std::size_t size() const { return records_.size(); }
  bool empty() const { return records_.empty(); }
  VocalRecord& operator[](std::size_t i) { return records_[i]; }
  const VocalRecord& operator[](std::size_t i) const { return records_[i]; }
  VocalRecord& back() { return records_.back(); }
  const VocalRecord& back() const { return records_.back(); }
  std::vector<VocalRecord>::iterator begin() { return records_.begin(); }
  std::vector<VocalRecord>::iterator end() { return records_.end(); }
  std::vector<VocalRecord>::const_iterator begin() const { return records_.begin(); }
  std::vector<VocalRecord>::const_iterator end() const { return records_.end(); }

 private:
  std::vector<VocalRecord> records_;
};

}  // namespace scoretext::vocal
