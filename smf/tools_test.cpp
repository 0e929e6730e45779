// ostrin run in-process on scratch files at the size limits, which the
// end-to-end cases cannot set up cheaply.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "smf/ostrin.h"
#include "smf/program.h"
#include "smf/size_limits.h"
#include "smf/test_files.h"

namespace scoretext::smf {
namespace {

using testing::Bytes;
using testing::header_chunk;
using testing::ScratchDir;
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

}  // namespace
}  // namespace scoretext::smf
