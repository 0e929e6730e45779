// Large files read piece by piece: the windows show the file's bytes and
// the output gets the bytes handed on, as changed in their windows; a file
// that changes while it is read is refused; and ardic's and belvar's walks
// come out through any buffer exactly as over the file read whole.
#include "smf/input_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "smf/header.h"
#include "smf/test_files.h"
#include "smf/track_table.h"
#include "smf/transpose.h"

namespace scoretext::smf {
namespace {

using testing::Bytes;
using testing::header_chunk;
using testing::image_of;
using testing::operator+;
using testing::random_track_events;
using testing::read_bytes;
using testing::ScratchDir;
using testing::thrown_error;
using testing::track_chunk;
using testing::write_bytes;

TEST(InputStream, HandsOnTheBytesOfItsWindowsAsChanged) {
  ScratchDir dir;
  std::mt19937 random(42);
  Bytes content(10'000);
  for (auto& byte : content) byte = static_cast<std::uint8_t>(random());
  write_bytes(dir.path("in"), content);
  for (const std::size_t buffer : {1, 2, 3, 16, 100, 4096}) {
    SCOPED_TRACE(buffer);
    InputStream input(dir.path("in"), buffer);
    ASSERT_EQ(input.size(), content.size());
    PendingOutput output(dir.path("out"));
    input.hand_on(output, 1000, 9000);
    Bytes expected = content;
    std::size_t position = 0;
    while (position < content.size()) {
      // Windows both shorter and longer than the buffer.
      const std::size_t count = random() % (2 * buffer + 50);
      const std::span<std::uint8_t> window = input.window(position, count);
      ASSERT_GE(window.size(), std::min(count, content.size() - position));
      ASSERT_LE(window.size(), content.size() - position);
      ASSERT_TRUE(std::equal(window.begin(), window.end(), expected.begin() + position));
      if (!window.empty()) window[0] = expected[position] = static_cast<std::uint8_t>(position);
      position += random() % 300;
    }
    input.finish();
    output.commit();
    EXPECT_EQ(read_bytes(dir.path("out")), Bytes(expected.begin() + 1000, expected.begin() + 9000));
  }
}

TEST(InputStream, AFileThatChangesSizeWhileItIsReadIsAnOpenError) {
  ScratchDir dir;
  const std::string path = dir.path("in.mid");
  write_bytes(path, Bytes(5000, 0x21));
  {
    InputStream input(path, 64);
    input.window(0, 10);
    std::filesystem::resize_file(path, 3000);
    const auto error = thrown_error([&] { input.finish(); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->report(), path + " open error\n");
    EXPECT_TRUE(input.failed());
  }
  {
    InputStream input(path, 64);
    std::ofstream(path, std::ios::binary | std::ios::app) << "more";
    const auto error = thrown_error([&] { input.finish(); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->report(), path + " open error\n");
  }
}

TEST(InputStream, ReadsSmallFilesWhole) {
  // Files of /proc say they are empty and are not: only reading tells.
  InputStream status("/proc/self/status");
  EXPECT_GT(status.size(), 0u);
}

// A format-1 file of random tracks, now and then with damage that a walk
// or the track list must report.
Bytes random_file(std::mt19937& random) {
  const int track_count = static_cast<int>(random() % 4);
  Bytes file = header_chunk(1, track_count);
  for (int track = 0; track < track_count; ++track) {
    const Bytes events = random_track_events(random);
    const auto length = static_cast<std::uint32_t>(events.size());
    file = file + track_chunk(events, random() % 30 == 0 ? length + random() % 3 - 1 : length);
  }
  if (random() % 10 == 0) file.resize(random() % (file.size() + 1));
  if (random() % 10 == 0) file.insert(file.end(), random() % 20, 0x4D);
  return file;
}

struct Outcome {
  std::string listing;
  std::optional<ToolError> fault;
  Bytes output;
};

// ardic's walk (transpose) or belvar's list, with track 1 extracted, over
// input, the output handed on as the tools hand it.
Outcome run_walk(InputStream& input, bool transpose, const std::string& out) {
  Outcome outcome;
  Console console;
  PendingOutput output(out);
  std::array<std::uint8_t, kHeaderBytes> header{};
  outcome.fault = thrown_error([&] {
    const int tracks = check_header(input.window(0, kHeaderBytes), FormatRule::Format1Only);
    if (transpose) {
      input.hand_on(output, 0, input.size());
      transpose_tracks(input, tracks, 5, console);
    } else {
      std::copy_n(input.window(0, kHeaderBytes).begin(), kHeaderBytes, header.begin());
      list_tracks(input, tracks, console, {1, &output, header});
    }
    input.finish();
    output.commit();
  });
  outcome.listing = console.contents();
  if (!outcome.fault) outcome.output = read_bytes(out);
  std::filesystem::remove(out);
  return outcome;
}

TEST(InputStream, ToolsWalkThroughAnyBufferAsOverTheWholeFile) {
  ScratchDir dir;
  std::mt19937 random(5150);
  int faults = 0;
  for (int round = 0; round < 400; ++round) {
    const Bytes file = random_file(random);
    write_bytes(dir.path("in.mid"), file);
    for (const bool transpose : {true, false}) {
      InputStream whole(image_of(file));
      const Outcome expected = run_walk(whole, transpose, dir.path("out.mid"));
      if (expected.fault) ++faults;
      for (const std::size_t buffer : {1, 5, 64, 300}) {
        if (file.size() <= buffer) continue;
        SCOPED_TRACE("round " + std::to_string(round) + " buffer " + std::to_string(buffer));
        InputStream pieces(dir.path("in.mid"), buffer);
        const Outcome outcome = run_walk(pieces, transpose, dir.path("out.mid"));
        ASSERT_EQ(outcome.fault.has_value(), expected.fault.has_value());
        if (expected.fault) {
          ASSERT_EQ(outcome.fault->report(), expected.fault->report());
        }
        ASSERT_EQ(outcome.listing, expected.listing);
        ASSERT_EQ(outcome.output, expected.output);
      }
    }
  }
  // Both outcomes are common.
  EXPECT_GT(faults, 100);
  EXPECT_LT(faults, 700);
}

}  // namespace
}  // namespace scoretext::smf
