#include "event_walk.h"

#include <gtest/gtest.h>

#include <limits>

#include "test_files.h"
#include "transpose.h"

namespace scoretext::smf {
namespace {

using testing::Bytes;
using testing::thrown_message;

Msg walk_failure(Bytes data) {
  return thrown_message([&] { walk_track(data, shifted_keys(1)); });
}

Bytes walked(Bytes data, std::int32_t semitones) {
  walk_track(data, shifted_keys(semitones));
  return data;
}

TEST(ShiftedKeys, ClampsToTheNoteRange) {
  const KeyMap up = shifted_keys(12);
  EXPECT_EQ(up[60], 72);
  EXPECT_EQ(up[115], 127);
  EXPECT_EQ(up[120], 127);
  const KeyMap down = shifted_keys(-12);
  EXPECT_EQ(down[5], 0);
  EXPECT_EQ(down[12], 0);
  EXPECT_EQ(down[13], 1);
  // Key bytes are unsigned: a stray 200 is far above the range, not negative.
  EXPECT_EQ(shifted_keys(0)[200], 127);
  EXPECT_EQ(shifted_keys(-100)[200], 100);
  EXPECT_EQ(shifted_keys(std::numeric_limits<std::int32_t>::max())[0], 127);
  EXPECT_EQ(shifted_keys(std::numeric_limits<std::int32_t>::min())[255], 0);
}

TEST(EventWalk, MovesOnlyTheKeysOfNoteEvents) {
  const Bytes events = {
      0x00, 0x90, 60, 100,         // note on, channel 1
      0x60, 0x80, 60, 64,          // note off
      0x00, 0x99, 36, 90,          // note on, channel 10
      0x00, 0xA3, 61, 60,          // polyphonic key pressure
      0x00, 0xB0, 60, 60,          // control change: number and value stay
      0x00, 0xE0, 60, 60,          // pitch bend
      0x00, 0xC5, 60,              // program change
      0x00, 0xD0, 60,              // channel pressure
      0x00, 0xFF, 0x01, 3, 0x90, 60, 100,  // text that looks like a note on
      0x00, 0xFF, 0x2F, 0x00};     // end of track
  Bytes expected = events;
  expected[2] = 62;
  expected[6] = 62;
  expected[10] = 38;
  expected[14] = 63;
  EXPECT_EQ(walked(events, 2), expected);
}

TEST(EventWalk, StepsOverLongQuantities) {
  // A four-byte delta time and a meta event of 200 bytes, its length in two.
  Bytes events = {0x81, 0x80, 0x80, 0x00, 0x90, 60, 100, 0x00, 0xFF, 0x7F, 0x81, 0x48};
  events.resize(events.size() + 200, 0x90);
  events.insert(events.end(), {0x00, 0x80, 60, 0});
  Bytes expected = events;
  expected[5] = 61;
  expected[expected.size() - 2] = 61;
  EXPECT_EQ(walked(events, 1), expected);
}

TEST(EventWalk, AnEmptyTrackHasNothingToWalk) { EXPECT_EQ(walked({}, 5), Bytes{}); }

TEST(EventWalk, RefusesSystemMessagesAndRunningStatus) {
  EXPECT_EQ(walk_failure({0x00, 0xF0, 0x01, 0xF7}), Msg::SmfUnsupported);
  EXPECT_EQ(walk_failure({0x00, 0xF7, 0x00}), Msg::SmfUnsupported);
  EXPECT_EQ(walk_failure({0x00, 0xF8}), Msg::SmfUnsupported);
  EXPECT_EQ(walk_failure({0x00, 0xFE}), Msg::SmfUnsupported);
  // A second note on written with running status.
  EXPECT_EQ(walk_failure({0x00, 0x90, 60, 100, 0x00, 62, 100}), Msg::SmfUnsupported);
}

TEST(EventWalk, AnEventThatRunsPastTheTrackIsAnError) {
  // Each cut short by one byte: the data, a meta event's data, a meta event's
  // length, a delta time, the status itself.
  EXPECT_EQ(walk_failure({0x00, 0x90, 60}), Msg::SmfEventOverrun);
  EXPECT_EQ(walk_failure({0x00, 0xC0}), Msg::SmfEventOverrun);
  EXPECT_EQ(walk_failure({0x00, 0xFF, 0x01, 3, 'a', 'b'}), Msg::SmfEventOverrun);
  EXPECT_EQ(walk_failure({0x00, 0xFF, 0x01, 0x81}), Msg::SmfEventOverrun);
  EXPECT_EQ(walk_failure({0x00, 0xFF}), Msg::SmfEventOverrun);
  EXPECT_EQ(walk_failure({0x81, 0x80}), Msg::SmfEventOverrun);
  EXPECT_EQ(walk_failure({0x00}), Msg::SmfEventOverrun);
  // Lengths far beyond any track, and one whose continuation bytes never end.
  EXPECT_EQ(walk_failure({0x00, 0xFF, 0x01, 0x8F, 0xFF, 0xFF, 0x7F}), Msg::SmfEventOverrun);
  Bytes endless = {0x00, 0xFF, 0x01};
  endless.resize(64, 0xFF);
  EXPECT_EQ(walk_failure(endless), Msg::SmfEventOverrun);
}

TEST(EventWalk, StopsAtTheTrackEndEvenWhenTheNextBytesWouldFit) {
  // The note on's velocity lies beyond the track: in the next chunk.
  Bytes file = {0x00, 0x90, 60, 100};
  std::span<std::uint8_t> track(file.data(), 3);
  EXPECT_EQ(thrown_message([&] { walk_track(track, shifted_keys(1)); }), Msg::SmfEventOverrun);
  EXPECT_EQ(file[2], 60);
  EXPECT_EQ(file[3], 100);
}

}  // namespace
}  // namespace scoretext::smf
