// Damaged files: every truncation and many random corruptions of a sound
// file must end in a reported fault or a clean result.  Each image is held
// in storage of exactly its size, so a read past its end shows under the
// address sanitizer.
#include <gtest/gtest.h>

#include <random>

#include "smf/header.h"
#include "smf/test_files.h"
#include "smf/track_table.h"
#include "smf/transpose.h"

namespace scoretext::smf {
namespace {

using testing::Bytes;
using testing::header_chunk;
using testing::operator+;
using testing::track_chunk;

const Bytes kSound = header_chunk(1, 3) +
                     track_chunk({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xFF, 0x2F, 0x00}) +
                     track_chunk({0x00, 0xC0, 0x05, 0x00, 0x90, 0x3C, 0x64, 0x83, 0x60, 0x80, 0x3C,
                                  0x00, 0x00, 0xB0, 0x07, 0x64, 0x00, 0xFF, 0x01, 0x02, 0x61, 0x62,
                                  0x00, 0xE0, 0x00, 0x40, 0x00, 0xD0, 0x30, 0x00, 0xFF, 0x2F, 0x00}) +
                     track_chunk({});

// Runs both tools' walks over image; true when it was accepted, false when a
// fault was reported.  Anything else escapes and fails the test.
bool accepted(Bytes image) {
  try {
    const int ardic_tracks = check_header(image, FormatRule::Format1Only);
    Console console;
    InputStream listed(testing::image_of(image));
    list_tracks(listed, ardic_tracks, console);
    InputStream transposed(testing::image_of(image));
    transpose_tracks(transposed, ardic_tracks, 3, console);
    return true;
  } catch (const ToolError&) {
    return false;
  }
}

TEST(DamagedInput, EveryTruncationIsReported) {
  ASSERT_TRUE(accepted(kSound));
  for (std::size_t size = 0; size < kSound.size(); ++size) {
    // Even the last, empty track needs its whole chunk header.
    EXPECT_FALSE(accepted(Bytes(kSound.begin(), kSound.begin() + size))) << size;
  }
}

TEST(DamagedInput, RandomCorruptionNeverReadsPastTheFile) {
  std::mt19937 random(20240611);
  int refused = 0;
  for (int round = 0; round < 20000; ++round) {
    Bytes image = kSound;
    const int changes = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < changes; ++i) {
      image[random() % image.size()] = static_cast<std::uint8_t>(random());
    }
    if (random() % 3 == 0) image.resize(random() % image.size());
    if (!accepted(image)) ++refused;
  }
  // Most damage is found; the walk is not blind to it.
  EXPECT_GT(refused, 10000);
}

}  // namespace
}  // namespace scoretext::smf
