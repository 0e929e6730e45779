// Loading whole files: sizes known and unknown, the size limit, and the
// faults that must be open errors rather than short images.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "smf/file_image.h"
#include "smf/size_limits.h"
#include "smf/test_files.h"

namespace scoretext::smf {
namespace {

using testing::Bytes;
using testing::ScratchDir;
using testing::thrown_message;
using testing::write_bytes;

// The report of the error that loading path throws; empty when none.
std::string load_failure(const std::string& path) {
  try {
    load_file(path);
  } catch (const ToolError& e) {
    return e.report();
  }
  return {};
}

Bytes image_bytes(const FileImage& image) { return Bytes(image.bytes().begin(), image.bytes().end()); }

TEST(LoadFile, ReadsTheWholeFile) {
  ScratchDir dir;
  Bytes content(300'000);
  for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<std::uint8_t>(i * 7);
  write_bytes(dir.path("a.mid"), content);
  EXPECT_EQ(image_bytes(load_file(dir.path("a.mid"))), content);
  write_bytes(dir.path("empty.mid"), {});
  EXPECT_EQ(load_file(dir.path("empty.mid")).size(), 0u);
}

TEST(LoadFile, UnopenableAndUnreadableFilesAreOpenErrors) {
  ScratchDir dir;
  EXPECT_EQ(load_failure(dir.path("none.mid")), dir.path("none.mid") + " open error\n");
  EXPECT_EQ(load_failure(dir.path("")), dir.path("") + " open error\n");
  // A file that opens but fails at its first read: never an empty image.
  EXPECT_EQ(load_failure("/proc/self/mem"), "/proc/self/mem open error\n");
}

TEST(LoadFile, RefusesFilesBeyondTheLimit) {
  ScratchDir dir;
  const std::string exact = dir.path("exact.mid"), over = dir.path("over.mid");
  { std::ofstream(exact, std::ios::binary); std::ofstream(over, std::ios::binary); }
  std::filesystem::resize_file(exact, kMaxFileBytes);
  std::filesystem::resize_file(over, kMaxFileBytes + 1);
  EXPECT_EQ(load_file(exact).size(), kMaxFileBytes);
  EXPECT_EQ(thrown_message([&] { load_file(over); }), Msg::SmfTooLarge);
}

TEST(LoadFile, ReadsAPipeOfUnknownSizeWithinTheLimit) {
  ScratchDir dir;
  const std::string fifo = dir.path("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  Bytes content(200'000, 0x5A);
  std::thread writer([&] { write_bytes(fifo, content); });
  const FileImage image = load_file(fifo);
  writer.join();
  EXPECT_EQ(image_bytes(image), content);
  // An endless device is cut off at the limit, not read until memory ends.
  EXPECT_EQ(thrown_message([] { load_file("/dev/zero"); }), Msg::SmfTooLarge);
}

}  // namespace
}  // namespace scoretext::smf
