#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "smf/file_image.h"
#include "smf/output_file.h"
#include "smf/size_limits.h"
#include "smf/test_files.h"
#include "smf/text_error.h"

namespace scoretext::smf {
namespace {

using testing::Bytes;
using testing::read_bytes;
using testing::ScratchDir;
using testing::thrown_message;
using testing::write_bytes;

template <typename Body>
std::string text_of_failure(Body&& body) {
  try {
    body();
  } catch (const TextError& e) {
    return e.text();
  }
  return "(no failure)";
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

TEST(LoadFile, MissingFilesAndDirectoriesAreOpenErrors) {
  ScratchDir dir;
  EXPECT_EQ(text_of_failure([&] { load_file(dir.path("none.mid")); }),
            dir.path("none.mid") + " open error\n");
  EXPECT_EQ(text_of_failure([&] { load_file(dir.path("")); }), dir.path("") + " open error\n");
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

TEST(LoadFile, ReadsAPipeOfUnknownSize) {
  ScratchDir dir;
  const std::string fifo = dir.path("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  Bytes content(200'000, 0x5A);
  std::thread writer([&] { write_bytes(fifo, content); });
  const FileImage image = load_file(fifo);
  writer.join();
  EXPECT_EQ(image_bytes(image), content);
}

TEST(WriteOutput, WritesThePiecesInOrderOverAnyOldContent) {
  ScratchDir dir;
  const std::string out = dir.path("out.mid");
  write_bytes(out, Bytes(100, 0xEE));
  const Bytes a = {1, 2, 3}, b = {}, c = {4, 5};
  write_output(out, {a, b, c});
  EXPECT_EQ(read_bytes(out), (Bytes{1, 2, 3, 4, 5}));
}

TEST(WriteOutput, UnwritablePlacesAreOpenErrors) {
  ScratchDir dir;
  const Bytes a = {1};
  EXPECT_EQ(text_of_failure([&] { write_output(dir.path("no/such/dir.mid"), {a}); }),
            dir.path("no/such/dir.mid") + " open error\n");
  EXPECT_EQ(text_of_failure([&] { write_output(dir.path(""), {a}); }), dir.path("") + " open error\n");
  // A device that refuses the bytes: reported, and left where it is.
  EXPECT_EQ(text_of_failure([&] { write_output("/dev/full", {a}); }), "/dev/full open error\n");
  EXPECT_TRUE(std::filesystem::exists("/dev/full"));
}

TEST(WriteOutput, AFileThatCannotBeWrittenToTheEndIsRemoved) {
  ScratchDir dir;
  const std::string out = dir.path("out.mid");
  write_bytes(out, Bytes(10, 0xEE));
  // In a child process whose files may not grow past 1000 bytes.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{1000, 1000};
    ::setrlimit(RLIMIT_FSIZE, &small);
    const Bytes big(5000, 0x11);
    const std::string text = text_of_failure([&] { write_output(out, {big}); });
    ::_exit(text == out + " open error\n" ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace scoretext::smf
