// The programs run in-process on scratch files too large for the
// end-to-end cases to set up cheaply: ostrin at the size limits, and files
// larger than the buffer through which they are read piece by piece.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "smf/ardic.h"
#include "smf/belvar.h"
#include "smf/ostrin.h"
#include "smf/program.h"
#include "smf/input_stream.h"
#include "smf/size_limits.h"
#include "smf/test_files.h"

namespace scoretext::smf {
namespace {

using testing::Bytes;
using testing::header_chunk;
using testing::operator+;
using testing::read_bytes;
using testing::reference_walk;
using testing::ScratchDir;
using testing::track_chunk;
using testing::write_bytes;

// A format-1 file of size bytes announcing track_count tracks: a header
// followed by zeros, which ostrin never looks into.
void write_sized(const std::string& path, int track_count, std::size_t size) {
  write_bytes(path, header_chunk(1, track_count));
  std::filesystem::resize_file(path, size);
}

TEST(Ostrin, RefusesAJoinWithTooManyTracksBeforeOneTooLarge) {
  ScratchDir dir;
  const std::string big = dir.path("big.mid"), out = dir.path("out.mid");
  write_sized(big, 40'000, kMaxFileBytes / 2 + 100);
  Console console;
  EXPECT_EQ(run_reported(run_ostrin, {big, big, out}, console), 1);
  EXPECT_EQ(console.contents(), cp932_text(Msg::SmfTooManyTracks));
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(Ostrin, JoinsUpToTheSizeLimitAndNotBeyond) {
  ScratchDir dir;
  const std::string a = dir.path("a.mid"), b = dir.path("b.mid"), c = dir.path("c.mid");
  const std::string out = dir.path("out.mid");
  write_sized(a, 30'000, kMaxFileBytes / 2);
  write_sized(b, 35'535, kMaxFileBytes / 2 + kHeaderBytes);
  write_sized(c, 1, kMaxFileBytes / 2 + kHeaderBytes + 1);
  Console console;
  EXPECT_EQ(run_reported(run_ostrin, {a, c, out}, console), 1);
  EXPECT_EQ(console.contents(), cp932_text(Msg::SmfTooLarge));
  EXPECT_FALSE(std::filesystem::exists(out));

  EXPECT_EQ(run_reported(run_ostrin, {a, b, out}, console), 0);
  ASSERT_EQ(std::filesystem::file_size(out), kMaxFileBytes);
  Bytes header(kHeaderBytes);
  std::ifstream(out, std::ios::binary).read(reinterpret_cast<char*>(header.data()), kHeaderBytes);
  EXPECT_EQ(header, header_chunk(1, 65'535));
}

// A performance of a few megabytes: notes, controllers and bends in
// one-byte delta times, then a text event longer than the reading buffer
// whose bytes look like notes (and must stay as they are), then more notes
// with long delta times.
Bytes big_performance() {
  Bytes events;
  const auto add = [&](std::initializer_list<std::uint8_t> bytes) {
    events.insert(events.end(), bytes);
  };
  for (int bar = 0; bar < 60'000; ++bar) {
    const auto key = static_cast<std::uint8_t>(bar % 128);
    add({0x00, 0x90, key, 100, 0x60, 0x80, key, 0, 0x00, 0xB0, 7, 100, 0x00, 0xC1, 5, 0x00, 0xE0,
         0, 64, 0x00, 0xA2, key, 30});
  }
  const std::size_t text = kStreamBufferBytes + 500'000;
  add({0x00, 0xFF, 0x01, static_cast<std::uint8_t>(0x80 | text >> 14),
       static_cast<std::uint8_t>(0x80 | (text >> 7 & 0x7F)), static_cast<std::uint8_t>(text & 0x7F)});
  for (std::size_t i = 0; i < text; i += 4) add({0x00, 0x90, 60, 100});
  for (int note = 0; note < 50'000; ++note) {
    add({0x83, 0x60, 0x90, static_cast<std::uint8_t>(note % 128), 90});
  }
  add({0x00, 0xFF, 0x2F, 0x00});
  return events;
}

const Bytes kConductor = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xFF, 0x2F, 0x00};

// The listing of a file of track_count tracks as far as the tracks of the
// given lengths.
std::string listing(int track_count, const std::vector<std::size_t>& lengths) {
  Console console;
  console.track_count(track_count);
  for (std::size_t i = 0; i < lengths.size(); ++i) {
    console.track_line(i, static_cast<std::uint32_t>(lengths[i]));
  }
  return console.contents();
}

TEST(LargeFiles, ArdicMovesEveryNoteOfAFileReadPieceByPiece) {
  ScratchDir dir;
  const std::string song = dir.path("song.mid");
  Bytes events = big_performance();
  ASSERT_GT(events.size(), 2 * kStreamBufferBytes);
  write_bytes(song, header_chunk(1, 2) + track_chunk(kConductor) + track_chunk(events));
  // In place, so that the output replaces the very file being read.
  Console console;
  ASSERT_EQ(run_reported(run_ardic, {song, "-7", song}, console), 0);
  EXPECT_EQ(console.contents(), listing(2, {kConductor.size(), events.size()}));
  ASSERT_EQ(reference_walk(events, -7), Msg::Count_);
  EXPECT_EQ(read_bytes(song), header_chunk(1, 2) + track_chunk(kConductor) + track_chunk(events));
}

TEST(LargeFiles, AFaultFarIntoTheFileLeavesTheOutputAsItWas) {
  ScratchDir dir;
  const std::string song = dir.path("song.mid"), out = dir.path("out.mid");
  Bytes events = big_performance();
  // The last note on written with running status.
  ASSERT_EQ(events[events.size() - 7], 0x90);
  events[events.size() - 7] = 0x3C;
  write_bytes(song, header_chunk(1, 2) + track_chunk(kConductor) + track_chunk(events));
  write_bytes(out, {'o', 'l', 'd'});
  Console console;
  EXPECT_EQ(run_reported(run_ardic, {song, "3", out}, console), 1);
  EXPECT_EQ(console.contents(), listing(2, {kConductor.size()}) + cp932_text(Msg::SmfUnsupported));
  EXPECT_EQ(read_bytes(out), (Bytes{'o', 'l', 'd'}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path("")),
                          std::filesystem::directory_iterator()),
            2);
}

TEST(LargeFiles, AnOutputThatCannotBeMadeIsReportedAfterTheWalk) {
  ScratchDir dir;
  const std::string song = dir.path("song.mid"), out = dir.path("none/out.mid");
  const Bytes events = big_performance();
  write_bytes(song, header_chunk(1, 1) + track_chunk(events));
  Console console;
  EXPECT_EQ(run_reported(run_ardic, {song, "3", out}, console), 1);
  EXPECT_EQ(console.contents(), listing(1, {events.size()}) + out + " open error\n");
}

TEST(LargeFiles, BelvarExtractsATrackOfAFileReadPieceByPiece) {
  ScratchDir dir;
  const std::string song = dir.path("song.mid"), out = dir.path("out.mid");
  const Bytes events = big_performance();
  const Bytes last = {0x00, 0x91, 0x40, 0x40, 0x00, 0xFF, 0x2F, 0x00};
  write_bytes(song, header_chunk(1, 3) + track_chunk(kConductor) + track_chunk(events) +
                        track_chunk(last));
  const std::string expected_listing = listing(3, {kConductor.size(), events.size(), last.size()});
  for (const int track : {1, 2}) {
    Console console;
    ASSERT_EQ(run_reported(run_belvar, {song, std::to_string(track), out}, console), 0);
    EXPECT_EQ(console.contents(), expected_listing);
    EXPECT_EQ(read_bytes(out), header_chunk(0, 1) + track_chunk(track == 1 ? events : last));
  }
}

}  // namespace
}  // namespace scoretext::smf
