#include "smf/event_walk.h"

#include <gtest/gtest.h>

#include "smf/test_files.h"
#include "smf/transpose.h"

namespace scoretext::smf {
namespace {

using testing::Bytes;
using testing::thrown_message;

Msg walk_failure(Bytes data) {
  return thrown_message([&] { walk_track(data, shifted_keys(1)); });
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
  EXPECT_EQ(thrown_message([&] { walk_track(track, shifted_keys(1)); }), Msg::SmfEventOverrun);
  EXPECT_EQ(file[2], 60);
  EXPECT_EQ(file[3], 100);
}

}  // namespace
}  // namespace scoretext::smf
