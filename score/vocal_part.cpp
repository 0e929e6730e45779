#include "score/vocal_part.h"

#include <cstdint>
#include <limits>

#include "frontend/messages.h"
#include "frontend/score_tables.h"
#include "frontend/tool_error.h"
#include "vocal/placing.h"
#include "vocal/vocal_reader.h"

namespace scoretext::score {
namespace {

constexpr int kLyricMeta = 0x05;
constexpr int kExpression = 11;

// How many records an articulation code splits a note into.
int split_count(int code) {
  if (code >= 102 && code <= 107) return 2;
  if (code >= 108 && code <= 111) return 3;
  if (code >= 112 && code <= 117) return code - 109;
  if (code == 118 || code == 119) return 4;
  if (code == 120 || code == 121) return 5;
  return 1;
}

void add_controls(const vocal::ControlEvents& controls, int channel, Track& track) {
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const std::int64_t tick = controls.ticks[i];
    const int value = controls.values[i];
    switch (controls.kinds[i]) {
      case vocal::kDyn:
        track.channel_message(tick, kControlChange | channel, kExpression, value);
        break;
      case vocal::kPit: {
        const int bend = value + kBendCentre;
        track.channel_message(tick, kPitchBend | channel, bend & 127, bend >> 7);
        break;
      }
      case vocal::kPbs:
        track.channel_message(tick, kControlChange | channel, 101, 0);
        track.channel_message(tick, kControlChange | channel, 100, 0);
        track.channel_message(tick, kControlChange | channel, 6, value);
        break;
      default:
        break;
    }
  }
}

void add_conductor(const vocal::VocalRecord& r, PartConductor& conductor) {
  if (r.kind == vocal::RecordKind::TimeSignature) {
    const TimeSignature& sig = kTimeSignatures[static_cast<std::size_t>(r.time_signature)];
    conductor.set({r.position, ConductorKind::TimeSignature,
                   time_signature_data(sig.numerator, sig.denominator_power),
                   {0, "SB " + std::string(sig.name)}});
  } else if (r.kind == vocal::RecordKind::Tempo) {
    if (r.tempo < kSlowestTempo || r.tempo > kFastestTempo) throw ToolError(Msg::RangeExceeded);
    conductor.set({r.position, ConductorKind::Tempo, tempo_data(r.tempo), {0, "ST " + std::to_string(r.tempo)}});
  }
}

// The key signatures of the part at the ticks where their SK statements
// stood; the positions are those the records were placed at.
void add_keys(const vocal::EventTable& table, const std::vector<vocal::KeyMark>& marks, PartConductor& conductor) {
  std::int64_t tick = 0;
  std::size_t next = 0;
  for (std::size_t i = 0; i <= table.size() && next < marks.size(); ++i) {
    for (; next < marks.size() && marks[next].records == i; ++next) {
      const vocal::KeyMark& mark = marks[next];
      // A delay rest that joined the last rest after the statement does not
      // move the key.
      const std::int64_t joined = mark.back_rest >= 0 ? table[i - 1].length - mark.back_rest : 0;
      std::string statement = "SK ";
      if (mark.sharps != 0) statement += mark.sharps > 0 ? '#' : 'b';
      statement += std::to_string(mark.sharps < 0 ? -mark.sharps : mark.sharps);
      statement += mark.minor ? " 1" : " 0";
      conductor.set({tick - joined, ConductorKind::Key, key_data(mark.sharps, mark.minor ? 1 : 0), {0, statement}});
    }
    if (i < table.size() && table[i].sounds()) tick += table[i].length;
  }
}

}  // namespace

bool is_utf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    std::size_t follow = 0;
    if (c >= 0xC2 && c <= 0xDF) follow = 1;
    else if (c >= 0xE0 && c <= 0xEF) follow = 2;
    else if (c >= 0xF0 && c <= 0xF4) follow = 3;
    else if (c >= 0x80) return false;
    if (follow > text.size() - i - 1) return false;
    for (std::size_t k = 1; k <= follow; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += follow + 1;
  }
  return true;
}

void read_vocal_part(StatementReader& reader, int channel, bool utf8, PartTrackData& part) {
  std::vector<vocal::KeyMark> keys;
  vocal::EventTable read = vocal::read_vocal_part(reader, vocal::NoteStyle{}, &keys);
  add_keys(read, keys, part.conductor);
  // The beat snap aligns a VSQX file's notes; here it has no effect.
  vocal::EventTable table;
  for (const vocal::VocalRecord& r : read)
    if (r.kind != vocal::RecordKind::BeatSnap) table.append(r);
  const vocal::Placement placed = vocal::place_records(table, std::numeric_limits<std::size_t>::max());
  add_controls(placed.controls, channel, part.track);
  int copies_left = 0;
  for (const vocal::VocalRecord& r : table) {
    add_conductor(r, part.conductor);
    if (r.kind != vocal::RecordKind::Note) continue;
    const bool first_of_split = copies_left == 0;
    copies_left = first_of_split ? split_count(r.articulation) - 1 : copies_left - 1;
    if (first_of_split && r.lyric_given && !r.lyric.empty())
      part.track.meta(r.position, kLyricMeta, utf8 ? r.lyric : to_cp932(r.lyric));
    if (r.length <= 0 || r.velocity == 0) continue;
    part.track.note_on(r.position, channel, r.note_number, r.velocity);
    part.track.note_off(r.position + r.length, channel, r.note_number);
    check_part_size(part.track);
  }
  part.end_tick = placed.play_time;
}

}  // namespace scoretext::score
