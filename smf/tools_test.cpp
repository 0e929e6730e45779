// The three utilities run in-process on scratch files, for what the
// end-to-end cases cannot set up cheaply: files at the size limits and the
// same file as input and output.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ardic.h"
#include "belvar.h"
#include "ostrin.h"
#include "program.h"
#include "size_limits.h"
#include "test_files.h"

namespace scoretext::smf {
namespace {

using testing::Bytes;
using testing::header_chunk;
using testing::operator+;
using testing::read_bytes;
using testing::ScratchDir;
using testing::track_chunk;
using testing::write_bytes;

const Bytes kTrack = track_chunk({0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0, 0x00, 0xFF, 0x2F, 0x00});

// A format-1 file of size bytes announcing track_count tracks: a header
// followed by zeros, which ostrin never looks into.
void write_sized(const std::string& path, int track_count, std::size_t size) {
  write_bytes(path, header_chunk(1, track_count));
  std::filesystem::resize_file(path, size);
}

TEST(Ardic, TransposesAFileInPlace) {
  ScratchDir dir;
  const std::string song = dir.path("song.mid");
  write_bytes(song, header_chunk(1, 1) + kTrack);
  Console console;
  EXPECT_EQ(run_reported(run_ardic, {song, "2", song}, console), 0);
  Bytes expected = header_chunk(1, 1) + kTrack;
  expected[24] = 62;
  expected[28] = 62;
  EXPECT_EQ(read_bytes(song), expected);
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

}  // namespace
}  // namespace scoretext::smf
