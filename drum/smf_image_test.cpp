#include "drum/smf_image.h"

#include <gtest/gtest.h>

#include "frontend/testing.h"

namespace scoretext::drum {
namespace {

using testing::thrown_message;

std::string bytes(std::initializer_list<int> values) {
  std::string s;
  for (const int v : values) s.push_back(static_cast<char>(v));
  return s;
}

std::string delta(std::uint32_t value) {
  std::string s;
  append_delta(s, value);
  return s;
}

const SmfSettings kFourFourAt120 = {{0x07, 0xa1, 0x20}, 4, 2};

TEST(SmfImage, DeltaTimesTakeOneToFourBytes) {
  EXPECT_EQ(delta(0), bytes({0x00}));
  EXPECT_EQ(delta(127), bytes({0x7f}));
  EXPECT_EQ(delta(128), bytes({0x81, 0x00}));
  EXPECT_EQ(delta(480), bytes({0x83, 0x60}));
  EXPECT_EQ(delta(16383), bytes({0xff, 0x7f}));
  EXPECT_EQ(delta(16384), bytes({0x81, 0x80, 0x00}));
  EXPECT_EQ(delta(2097151), bytes({0xff, 0xff, 0x7f}));
  EXPECT_EQ(delta(2097152), bytes({0x81, 0x80, 0x80, 0x00}));
  EXPECT_EQ(delta(268435455), bytes({0xff, 0xff, 0xff, 0x7f}));
}

TEST(SmfImage, TheFileAroundTheEvents) {
  EventList events;
  events.add(kNoteOn, 36, 100, 0);
  const std::string image = build_smf_image(events, {{0x0e, 0x4e, 0x1c}, 6, 3});
  EXPECT_EQ(image, std::string("MThd", 4) + bytes({0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xe0}) + "MTrk" +
                       bytes({0, 0, 0, 23}) + bytes({0, 0xff, 0x51, 3, 0x0e, 0x4e, 0x1c}) +
                       bytes({0, 0xff, 0x58, 4, 6, 3, 24, 8}) + bytes({0, 0x90, 36, 100}) +
                       bytes({0, 0xff, 0x2f, 0}));
}

TEST(SmfImage, EventsGoInTheExchangeSortsOrderWithDeltaTimes) {
  // E1 and E2 at 500, E3 at 300: the sort leaves E3, E2, E1.
  EventList events;
  events.add(kNoteOn, 1, 10, 500);
  events.add(kNoteOn, 2, 20, 500);
  events.add(kNoteOff, 3, 0, 300);
  const std::string image = build_smf_image(events, kFourFourAt120);
  EXPECT_EQ(image.substr(37, image.size() - 41),
            bytes({0x82, 0x2c, 0x80, 3, 0}) + bytes({0x81, 0x48, 0x90, 2, 20}) + bytes({0x00, 0x90, 1, 10}));
  EXPECT_EQ(image.size(), 41u + 5 + 5 + 4);
  EXPECT_EQ(static_cast<unsigned char>(image[21]), image.size() - 22);
}

// `count` events all at `time`: one delta of the time, then deltas of 0.
EventList events_at(std::int64_t time, std::size_t count) {
  EventList events;
  for (std::size_t i = 0; i < count; ++i) events.add(kNoteOn, 36, 64, time);
  return events;
}

TEST(SmfImage, TheLargestImageIsOneByteBelowOneMebibyte) {
  // 41 bytes around the events, 3 + 3 for the first, 4 for each other one.
  const std::size_t fits = (1'048'575 - 41 - 6) / 4 + 1;
  ASSERT_EQ(41 + 6 + 4 * (fits - 1), 1'048'575u);
  const std::string image = build_smf_image(events_at(16384, fits), kFourFourAt120);
  EXPECT_EQ(image.size(), 1'048'575u);
  EXPECT_EQ(image.substr(18, 4), bytes({0x00, 0x0f, 0xff, 0xe9}));  // 1,048,553
  EXPECT_EQ(image.substr(image.size() - 4), bytes({0, 0xff, 0x2f, 0}));

  EXPECT_EQ(thrown_message([&] { build_smf_image(events_at(16384, fits + 1), kFourFourAt120); }),
            Msg::OutputOverflow);
  // One byte more in the first delta time.
  EXPECT_EQ(thrown_message([&] { build_smf_image(events_at(2097152, fits), kFourFourAt120); }),
            Msg::OutputOverflow);
}

TEST(SmfImage, ADeltaTimeOfFiveBytesIsRefused) {
  EventList events;
  events.add(kNoteOn, 36, 64, 100);
  events.add(kNoteOn, 36, 64, 100 + 268435455);
  const std::string image = build_smf_image(events, kFourFourAt120);
  EXPECT_EQ(image.substr(41, 4), bytes({0xff, 0xff, 0xff, 0x7f}));

  events.add(kNoteOn, 36, 64, 100 + 268435455 + 268435456);
  EXPECT_EQ(thrown_message([&] { build_smf_image(events, kFourFourAt120); }), Msg::OutputOverflow);
  EXPECT_EQ(thrown_message([&] { build_smf_image(events_at(268435456, 1), kFourFourAt120); }),
            Msg::OutputOverflow);
}

TEST(SmfImage, TheTwoMillionthEventIsRefused) {
  EventList events;
  for (int i = 0; i < 1'999'999; ++i) events.add(kNoteOn, 36, 64, i);
  EXPECT_EQ(events.size(), 1'999'999u);
  EXPECT_EQ(thrown_message([&] { events.add(kNoteOff, 36, 0, 0); }), Msg::TooManyEvents);
  EXPECT_EQ(events.size(), 1'999'999u);
}

}  // namespace
}  // namespace scoretext::drum
