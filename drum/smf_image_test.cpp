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

TEST(SmfImage, ADeltaTimeOfFiveBytesIsRefusedBetweenEvents) {
  EventList events;
  events.add(kNoteOn, 36, 64, 100);
  events.add(kNoteOn, 36, 64, 100 + 268435455);
  const std::string image = build_smf_image(events, kFourFourAt120);
  EXPECT_EQ(image.substr(41, 4), bytes({0xff, 0xff, 0xff, 0x7f}));

  events.add(kNoteOn, 36, 64, 100 + 268435455 + 268435456);
  EXPECT_EQ(thrown_message([&] { build_smf_image(events, kFourFourAt120); }), Msg::OutputOverflow);
}

}  // namespace
}  // namespace scoretext::drum
