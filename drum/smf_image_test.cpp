#include "drum/smf_image.h"

#include <gtest/gtest.h>

#include <cstring>
#include <span>

#include "frontend/testing.h"
#include "smf/event_walk.h"
#include "smf/header.h"
#include "smf/input_stream.h"
#include "smf/track_chunk.h"

namespace scoretext::drum {
namespace {

using testing::thrown_message;

std::string bytes(std::initializer_list<int> values) {
  std::string s;
  for (const int v : values) s.push_back(static_cast<char>(v));
  return s;
}

const SmfSettings kFourFourAt120 = {{0x07, 0xa1, 0x20}, 4, 2};

TEST(SmfImage, ADeltaTimeOfFiveBytesIsRefusedBetweenEvents) {
  EventList events;
  events.add(kNoteOn, 36, 64, 100);
  events.add(kNoteOn, 36, 64, 100 + 268435455);
  const std::string image = build_smf_image(events, kFourFourAt120);
  EXPECT_EQ(image.substr(41, 4), bytes({0xff, 0xff, 0xff, 0x7f}));

  events.add(kNoteOn, 36, 64, 100 + 268435455 + 268435456);
  EXPECT_EQ(thrown_message([&] { build_smf_image(events, kFourFourAt120); }), Msg::OutputOverflow);
}

// vastrel's file as the SMF utilities read it: their header check, their
// track chunk reader and their event walk, which moves every note's key.
// Events of one-, two-, three- and four-byte delta times.
EventList walked_events(int key_offset) {
  EventList events;
  const std::int64_t times[] = {0, 0, 127, 128, 16383, 16384, 2097152, 2097152 + 268435455};
  int key = 30;
  for (const std::int64_t t : times) {
    events.add(kNoteOn, key + key_offset, 100, t);
    events.add(kNoteOff, key + key_offset, 0, t + 60);
    key += 9;
  }
  return events;
}

smf::InputStream stream_of(const std::string& image) {
  smf::ByteStorage storage(image.size());
  std::memcpy(storage.data(), image.data(), image.size());
  return smf::InputStream(smf::FileImage(std::move(storage), image.size()));
}

TEST(SmfImage, TheSmfUtilitiesReadTheFileBack) {
  const std::string image = build_smf_image(walked_events(0), kFourFourAt120);
  const std::string moved = build_smf_image(walked_events(7), kFourFourAt120);
  smf::InputStream input = stream_of(image);
  const std::span<const std::uint8_t> header = input.window(0, smf::kHeaderBytes);
  EXPECT_EQ(smf::check_header(header, smf::FormatRule::Any), 1);
  EXPECT_EQ(thrown_message([&] { smf::check_header(header, smf::FormatRule::Format1Only); }), Msg::SmfNotFormat1);
  EXPECT_EQ(smf::division(header), 480);

  // One track chunk, which ends the file.
  const smf::TrackChunk track = smf::read_track_chunk(input, smf::kHeaderBytes);
  EXPECT_EQ(track.end(), image.size());
  // Walked with every key moved up a fifth, the track is the one written
  // with the keys a fifth higher: each event was found where it starts.
  std::span<std::uint8_t> data = input.window(track.data_offset(), track.length);
  ASSERT_EQ(data.size(), track.length);
  smf::walk_track(data, smf::key_shift(7));
  const std::string walked(reinterpret_cast<const char*>(data.data()), data.size());
  EXPECT_EQ(walked, moved.substr(track.data_offset()));
}

}  // namespace
}  // namespace scoretext::drum
