// The AVX2 block walk against its twin written a byte at a time: on random
// tracks and on the edges of a block (a window just long enough or a byte
// short, a status as a block's last byte, a fault in each lane), from every
// start, with moves that saturate both ways.  Both must leave the same run
// and the same bytes.
#include "smf/plain_run.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "smf/test_files.h"

namespace scoretext::smf {
namespace {

using testing::Bytes;

bool have_avx2_walk() {
  Bytes probe(80, 0);
  PlainRun run;
  return walk_plain_blocks_avx2(probe, 0, key_shift(0), run);
}

// Walks `data` from `start` both ways and holds the results side by side.
void expect_twins_agree(const Bytes& data, std::size_t start, std::int32_t semitones, const char* what) {
  Bytes vector_bytes = data;
  Bytes scalar_bytes = data;
  const KeyShift shift = key_shift(semitones);
  PlainRun vector_run;
  ASSERT_TRUE(walk_plain_blocks_avx2(vector_bytes, start, shift, vector_run));
  const PlainRun scalar_run = walk_plain_blocks_scalar(scalar_bytes, start, shift);
  ASSERT_EQ(vector_run.next_event, scalar_run.next_event) << what << " start " << start << " move " << semitones;
  ASSERT_EQ(vector_run.retry_at, scalar_run.retry_at) << what << " start " << start << " move " << semitones;
  ASSERT_EQ(vector_bytes, scalar_bytes) << what << " start " << start << " move " << semitones;
}

// Plain events only: a one-byte delta time, a status, data below 80.
Bytes plain_events(std::mt19937& random, std::size_t bytes) {
  Bytes data;
  while (data.size() < bytes) {
    const auto status = static_cast<std::uint8_t>(0x80 + random() % 0x70);
    data.push_back(static_cast<std::uint8_t>(random() % 0x80));
    data.push_back(status);
    data.push_back(static_cast<std::uint8_t>(random() % 0x80));
    if (status < 0xC0 || status >= 0xE0) data.push_back(static_cast<std::uint8_t>(random() % 0x80));
  }
  return data;
}

const std::int32_t kMoves[] = {0, 1, -1, 12, -12, 100, -100, 127, -127, 300, -300};

TEST(PlainRunTwins, RandomTracksWalkAlike) {
  if (!have_avx2_walk()) GTEST_SKIP() << "no AVX2 walk on this build or processor";
  std::mt19937 random(2718);
  for (int round = 0; round < 3000; ++round) {
    const Bytes data = testing::random_track_events(random);
    const std::size_t start = data.empty() ? 0 : random() % (data.size() + 1);
    expect_twins_agree(data, start, kMoves[round % std::size(kMoves)], "random track");
  }
}

TEST(PlainRunTwins, LongPlainRunsWalkAlikeFromEveryStartAndLength) {
  if (!have_avx2_walk()) GTEST_SKIP() << "no AVX2 walk on this build or processor";
  std::mt19937 random(31415);
  for (int round = 0; round < 40; ++round) {
    const Bytes run = plain_events(random, 400);
    // Windows that end just before, at and after the reach of each block.
    for (std::size_t length = 60; length <= 200; ++length) {
      const Bytes data(run.begin(), run.begin() + static_cast<std::ptrdiff_t>(length));
      for (std::size_t start = 0; start < 8; ++start) {
        expect_twins_agree(data, start, kMoves[(round + start) % std::size(kMoves)], "plain run");
      }
    }
  }
}

TEST(PlainRunTwins, EveryByteValueAtEveryPlaceOfABlock) {
  if (!have_avx2_walk()) GTEST_SKIP() << "no AVX2 walk on this build or processor";
  std::mt19937 random(1618);
  const Bytes run = plain_events(random, 300);
  // One byte of the run replaced by each value in turn, in the first block,
  // across its two lanes, and as the last byte of the first and second.
  for (const std::size_t at : {0u, 1u, 2u, 31u, 32u, 33u, 62u, 63u, 64u, 65u, 66u, 127u, 128u, 129u}) {
    for (unsigned value = 0; value < 256; ++value) {
      Bytes data = run;
      data[at] = static_cast<std::uint8_t>(value);
      expect_twins_agree(data, 0, kMoves[value % std::size(kMoves)], "one byte changed");
    }
  }
}

TEST(PlainRunTwins, NotesAtTheEndOfABlockMoveTheKeyBeyondIt) {
  if (!have_avx2_walk()) GTEST_SKIP() << "no AVX2 walk on this build or processor";
  // Sixteen program changes (three bytes each) and four notes: the last
  // note's status is the block's last byte, its key the next block's first.
  Bytes data;
  for (int i = 0; i < 16; ++i) data.insert(data.end(), {0x00, 0xC0, 0x05});
  for (int i = 0; i < 4; ++i) data.insert(data.end(), {0x00, 0x90, 0x7F, 0x40});
  ASSERT_EQ(data.size(), 64u);
  data.insert(data.end(), {0x10, 0x40, 0x00, 0x80, 0x10});
  for (const std::int32_t move : kMoves) expect_twins_agree(data, 0, move, "key past the block");
}

}  // namespace
}  // namespace scoretext::smf
