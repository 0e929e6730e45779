#include "vocal/placing.h"

#include <gtest/gtest.h>

#include <memory>

#include "frontend/testing.h"
#include "vocal/master_track.h"

namespace scoretext::vocal {
namespace {

using testing::thrown_message;

VocalRecord sounding(RecordKind kind, std::int64_t length) {
  VocalRecord r;
  r.kind = kind;
  r.length = length;
  return r;
}

VocalRecord marker(RecordKind kind, int value = 0) {
  VocalRecord r;
  r.kind = kind;
  r.time_signature = value;
  r.tempo = value;
  return r;
}

EventTable table_of(std::initializer_list<VocalRecord> records) {
  EventTable table;
  for (const VocalRecord& r : records) table.append(r);
  return table;
}

TEST(Placing, BeatSnapPullsTheLastNoteOrRestOntoAQuarter) {
  struct Case {
    std::int64_t length;
    std::int64_t snapped;
  };
  for (const Case c : {Case{470, 480}, Case{500, 480}, Case{380, 480}, Case{580, 480}, Case{960, 960}}) {
    EventTable table = table_of({sounding(RecordKind::Note, 240), sounding(RecordKind::Rest, c.length - 240),
                                 marker(RecordKind::BeatSnap), sounding(RecordKind::Note, 100)});
    const Placement placed = place_records(table);
    EXPECT_EQ(table[1].length, c.snapped - 240) << c.length;
    EXPECT_EQ(table[0].length, 240) << "only the last note or rest changes";
    EXPECT_EQ(table[3].position, c.snapped) << c.length;
    EXPECT_EQ(placed.play_time, c.snapped + 100) << c.length;
  }
}

TEST(Placing, BeatSnapErrors) {
  for (std::int64_t length : {581, 700, 859}) {
    EventTable table = table_of({sounding(RecordKind::Note, length), marker(RecordKind::BeatSnap)});
    EXPECT_EQ(thrown_message([&] { place_records(table); }), Msg::BeatSnapError) << length;
  }
  // Snapping back would leave the note with no length.
  EventTable short_note = table_of({sounding(RecordKind::Note, 960), sounding(RecordKind::Note, 60),
                                    marker(RecordKind::BeatSnap)});
  EXPECT_EQ(thrown_message([&] { place_records(short_note); }), Msg::BeatSnapError);
}

TEST(Placing, BeatSnapBeforeAnyNoteDoesNothing) {
  EventTable table = table_of({marker(RecordKind::BeatSnap), marker(RecordKind::TimeSignature, 4),
                               sounding(RecordKind::Note, 480)});
  const Placement placed = place_records(table);
  EXPECT_EQ(placed.opening_time_signature, 4);
  EXPECT_EQ(placed.play_time, 480);
}

TEST(Placing, OnlyTheFirstSignatureAndTempoAtTickZeroReplaceTheTemplates) {
  EventTable late = table_of({sounding(RecordKind::Rest, 480), marker(RecordKind::TimeSignature, 4),
                              marker(RecordKind::Tempo, 90)});
  Placement placed = place_records(late);
  EXPECT_FALSE(placed.opening_time_signature);
  EXPECT_FALSE(placed.opening_tempo);
  EXPECT_EQ(late[1].position, 480);

  EventTable early = table_of({marker(RecordKind::Tempo, 90), marker(RecordKind::TimeSignature, 6),
                               marker(RecordKind::Tempo, 100), marker(RecordKind::TimeSignature, 4)});
  placed = place_records(early);
  EXPECT_EQ(placed.opening_time_signature, 6);
  EXPECT_TRUE(placed.opening_tempo);
}

TEST(Placing, CurvesSpreadOverTheControlSpanKindByKind) {
  auto controls = std::make_shared<NoteControls>();
  auto pit = std::make_shared<ControlList>();
  pit->values = {-5, 0, 5};
  pit->count = 3;
  auto dyn = std::make_shared<ControlList>();
  dyn->values = {0, 127};
  dyn->count = 2;
  controls->lists[kPit] = pit;
  controls->lists[kDyn] = dyn;
  VocalRecord note = sounding(RecordKind::Note, 1000);
  note.control_span = 500;
  note.controls = controls;
  EventTable table = table_of({sounding(RecordKind::Rest, 100), note});
  const ControlEvents events = place_records(table).controls;
  EXPECT_EQ(events.ticks, (std::vector<std::int64_t>{100, 350, 100, 266, 432}));
  EXPECT_EQ(events.values, (std::vector<std::int32_t>{0, 127, -5, 0, 5}));
  EXPECT_EQ(events.kinds, (std::vector<std::uint8_t>{kDyn, kDyn, kPit, kPit, kPit}));
}

TEST(Placing, TheEventLimitIsCheckedBeforeEachRecord) {
  // Five notes of 8 events: exactly a limit of 40, which a further record
  // may follow.  One event more, and the next record is refused; the last
  // record's own events are never checked.
  constexpr std::size_t kLimit = 40;
  auto controls = std::make_shared<NoteControls>();
  controls->lists[kDyn] = controls->lists[kPit] = std::make_shared<ControlList>(ControlList{{1, 2, 3, 4}, 4});
  VocalRecord note = sounding(RecordKind::Note, 480);
  note.control_span = 480;
  note.controls = controls;
  EventTable table = table_of({note, note, note, note, note, sounding(RecordKind::Rest, 480)});
  EXPECT_EQ(place_records(table, kLimit).controls.size(), kLimit);

  VocalRecord one_more = note;
  auto single = std::make_shared<NoteControls>();
  single->lists[kDyn] = std::make_shared<ControlList>(ControlList{{64}, 1});
  one_more.controls = single;
  table[5] = one_more;
  EXPECT_EQ(place_records(table, kLimit).controls.size(), kLimit + 1);
  table.append(sounding(RecordKind::Rest, 480));
  EXPECT_EQ(thrown_message([&] { place_records(table, kLimit); }), Msg::ControlEventsOver);
}

TEST(MasterTrack, SignaturesTakeEffectAtTheNextBarLineOfTheSong) {
  // 4/4 at the start (the part begins after one 4/4 measure), 3/4 after two
  // bars of the part, 6/8 in the middle of a 3/4 bar, 2/4 on its bar line.
  EventTable table = table_of({marker(RecordKind::TimeSignature, 6), sounding(RecordKind::Note, 3840),
                               marker(RecordKind::TimeSignature, 4), sounding(RecordKind::Note, 720),
                               marker(RecordKind::TimeSignature, 9), sounding(RecordKind::Note, 1440),
                               marker(RecordKind::TimeSignature, 1)});
  place_records(table);
  // 3/4 at song tick 5760 = bar 3; 6/8 at 6480 is inside bar 3 (5760..7200):
  // bar 4; 2/4 at 7920 = 7200 + 720, in the middle of a 6/8 bar: bar 5.
  EXPECT_EQ(time_signature_measures(table, 1920, 1920), (std::vector<std::int64_t>{0, 3, 4, 5}));
  EXPECT_EQ(song_tick(0, 1920), 0);
  EXPECT_EQ(song_tick(480, 1920), 2400);
}

TEST(MasterTrack, TheTemplatesSignatureRulesUntilThePartsFirst) {
  // The template's 3/4 part starts at 1440: a 4/4 after 4800 ticks of the
  // part stands at song tick 6240, inside bar 4 (5760..7200): bar 5.
  EventTable table = table_of({sounding(RecordKind::Note, 4800), marker(RecordKind::TimeSignature, 6)});
  place_records(table);
  EXPECT_EQ(time_signature_measures(table, 1440, 1440), (std::vector<std::int64_t>{5}));
}

}  // namespace
}  // namespace scoretext::vocal
