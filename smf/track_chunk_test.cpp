#include "track_chunk.h"

#include <gtest/gtest.h>

#include "test_files.h"
#include "track_table.h"

namespace scoretext::smf {
namespace {

using testing::Bytes;
using testing::header_chunk;
using testing::operator+;
using testing::thrown_message;
using testing::track_chunk;

const Bytes kEndOfTrack = {0x00, 0xFF, 0x2F, 0x00};

Msg failure_at(const Bytes& image, std::size_t position) {
  return thrown_message([&] { read_track_chunk(image, position); });
}

TEST(TrackChunk, ReadsTypeAndLength) {
  const Bytes image = header_chunk(1, 1) + track_chunk(kEndOfTrack);
  const TrackChunk chunk = read_track_chunk(image, kHeaderBytes);
  EXPECT_EQ(chunk.offset, 14u);
  EXPECT_EQ(chunk.length, 4u);
  EXPECT_EQ(chunk.data_offset(), 22u);
  EXPECT_EQ(chunk.end(), image.size());
}

TEST(TrackChunk, AnotherChunkTypeIsNotSkipped) {
  Bytes image = header_chunk(1, 1) + track_chunk(kEndOfTrack);
  image[kHeaderBytes + 2] = 'x';  // "MTxk"
  EXPECT_EQ(failure_at(image, kHeaderBytes), Msg::SmfTrackHeader);
}

TEST(TrackChunk, NeverRunsPastTheEndOfTheFile) {
  const Bytes whole = header_chunk(1, 1) + track_chunk(kEndOfTrack);
  // A chunk header cut short, and no chunk at all.
  EXPECT_EQ(failure_at(Bytes(whole.begin(), whole.begin() + 21), kHeaderBytes), Msg::SmfTrackHeader);
  EXPECT_EQ(failure_at(header_chunk(1, 1), kHeaderBytes), Msg::SmfTrackHeader);
  EXPECT_EQ(failure_at(whole, whole.size() + 5), Msg::SmfTrackHeader);
  // An announced length one byte longer than what the file holds.
  EXPECT_EQ(failure_at(header_chunk(1, 1) + track_chunk(kEndOfTrack, 5), kHeaderBytes),
            Msg::SmfTrackHeader);
  // Lengths of 2^31 and more.
  EXPECT_EQ(failure_at(header_chunk(1, 1) + track_chunk(kEndOfTrack, 0x80000000u), kHeaderBytes),
            Msg::SmfTrackHeader);
  EXPECT_EQ(failure_at(header_chunk(1, 1) + track_chunk(kEndOfTrack, 0xFFFFFFFFu), kHeaderBytes),
            Msg::SmfTrackHeader);
}

TEST(TrackTable, ListsTheAnnouncedTracksAndIgnoresWhatFollows) {
  const Bytes image = header_chunk(1, 2) + track_chunk({}) + track_chunk(kEndOfTrack) +
                      Bytes{'j', 'u', 'n', 'k'};
  Console console;
  const auto tracks = list_tracks(image, 2, console);
  ASSERT_EQ(tracks.size(), 2u);
  EXPECT_EQ(tracks[0].offset, 14u);
  EXPECT_EQ(tracks[0].length, 0u);
  EXPECT_EQ(tracks[1].offset, 22u);
  EXPECT_EQ(tracks[1].length, 4u);
  EXPECT_EQ(console.contents(), "track 0 : 0\ntrack 1 : 4\n");
}

TEST(TrackTable, PrintsTheTracksBeforeAFaultyOne) {
  const Bytes image = header_chunk(1, 3) + track_chunk(kEndOfTrack) + Bytes{'M', 'T', 'r', 'k'};
  Console console;
  EXPECT_EQ(thrown_message([&] { list_tracks(image, 3, console); }), Msg::SmfTrackHeader);
  EXPECT_EQ(console.contents(), "track 0 : 4\n");
}

}  // namespace
}  // namespace scoretext::smf
