#include "smf/event_walk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <random>

#include "smf/test_files.h"

namespace scoretext::smf {
namespace {

using testing::Bytes;
using testing::random_track_events;
using testing::reference_walk;
using testing::thrown_message;

constexpr std::int32_t kShifts[] = {0,   1,    -1,   5,    -12,  60,
                                    -60, 127,  -127, 128,  -128, 1000,
                                    -1000, std::numeric_limits<std::int32_t>::max(),
                                    std::numeric_limits<std::int32_t>::min()};

std::int32_t any_shift(std::mt19937& random) {
  return kShifts[random() % std::size(kShifts)];
}

Msg walk_failure(Bytes data) {
  return thrown_message([&] { walk_track(data, key_shift(1)); });
}

TEST(EventWalk, RefusesSystemMessagesAndRunningStatus) {
  // System exclusive, its continuation, real time and active sensing.
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
  EXPECT_EQ(thrown_message([&] { walk_track(track, key_shift(1)); }), Msg::SmfEventOverrun);
  EXPECT_EQ(file[2], 60);
  EXPECT_EQ(file[3], 100);
}

// Runs of plain events are walked a block of 64 bytes at a time where the
// processor allows; whatever breaks a run, wherever it falls in a block,
// must come out as the plain walk has it, keys moved before a fault
// included.
TEST(EventWalk, AgreesWithAWalkByteByByte) {
  std::mt19937 random(7301);
  for (int round = 0; round < 4000; ++round) {
    Bytes data = random_track_events(random);
    const std::int32_t semitones = any_shift(random);
    Bytes expected = data;
    const Msg expected_fault = reference_walk(expected, semitones);
    const Msg fault = thrown_message([&] { walk_track(data, key_shift(semitones)); });
    ASSERT_EQ(fault, expected_fault) << "round " << round;
    ASSERT_EQ(data, expected) << "round " << round;
  }
}

// A track read piece by piece is walked a window at a time, each window
// started where the last one stopped and made longer when it stopped at its
// own start; the windows must end as one walk of the whole track.
TEST(EventWalk, AWalkInWindowsEndsAsAWalkOfTheWhole) {
  std::mt19937 random(1123);
  for (int round = 0; round < 3000; ++round) {
    const Bytes original = random_track_events(random);
    const KeyShift shift = key_shift(any_shift(random));
    Bytes whole = original;
    const Msg whole_fault = thrown_message([&] { walk_track(whole, shift); });

    Bytes pieces = original;
    const std::size_t first_window = 1 + random() % 200;
    const Msg fault = thrown_message([&] {
      std::size_t start = 0, wanted = first_window;
      while (start < pieces.size()) {
        const std::size_t size = std::min(wanted, pieces.size() - start);
        const std::size_t walked = walk_events(
            std::span<std::uint8_t>(pieces).subspan(start, size), pieces.size() - start, shift);
        wanted = walked == 0 ? 2 * size : first_window;
        start += walked;
      }
    });
    ASSERT_EQ(fault, whole_fault) << "round " << round;
    ASSERT_EQ(pieces, whole) << "round " << round;
  }
}

TEST(EventWalk, AWindowStopsBeforeAnEventItCutsOffAndAfterAMetaEventItCannotHold) {
  const KeyShift shift = key_shift(2);
  // The second note on lacks its velocity: the walk stops at its start and
  // leaves its key alone.
  Bytes data = {0x00, 0x90, 60, 100, 0x00, 0x90, 62, 100};
  EXPECT_EQ(walk_events(std::span<std::uint8_t>(data).first(7), data.size(), shift), 4u);
  EXPECT_EQ(data, (Bytes{0x00, 0x90, 62, 100, 0x00, 0x90, 62, 100}));
  // A meta event whose data runs past the window but not past the track:
  // the next event starts beyond the window, the data unread.
  Bytes text = {0x00, 0xFF, 0x01, 0x05, 0x90, 60};
  EXPECT_EQ(walk_events(text, 9, shift), 9u);
  EXPECT_EQ(text, (Bytes{0x00, 0xFF, 0x01, 0x05, 0x90, 60}));
  // ... but past the track it is the track's fault, window or not.
  EXPECT_EQ(thrown_message([&] { walk_events(text, 8, shift); }), Msg::SmfEventOverrun);
}

}  // namespace
}  // namespace scoretext::smf
