// How an SMF utility reports a failure that no check foresaw.
#include "smf/program.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace scoretext::smf {
namespace {

// The system's converter, which shares nothing with the message table.
std::string cp932(const std::string& utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return {};
  std::string out(utf8.size() * 2, '\0');
  char* in = const_cast<char*>(utf8.data());
  std::size_t in_left = utf8.size();
  char* dst = out.data();
  std::size_t dst_left = out.size();
  const bool ok = iconv(cd, &in, &in_left, &dst, &dst_left) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  if (!ok) return {};
  out.resize(out.size() - dst_left);
  return out;
}

TEST(RunReported, ALackOfMemoryIsAFileTooLargeAndAnythingElseAnInternalError) {
  const std::vector<std::string> args = {"song.mid"};
  Console memory;
  EXPECT_EQ(run_reported([](const std::vector<std::string>&, Console&) { throw std::bad_alloc(); }, args, memory), 1);
  ASSERT_FALSE(cp932("ファイルが大きすぎます\n").empty()) << "no CP932 converter";
  EXPECT_EQ(memory.contents(), cp932("ファイルが大きすぎます\n"));

  Console other;
  EXPECT_EQ(run_reported([](const std::vector<std::string>&, Console&) { throw std::out_of_range("map::at"); },
                         args, other),
            1);
  EXPECT_EQ(other.contents(), "ERROR:" + cp932("内部エラー") + " map::at\n");
}

}  // namespace
}  // namespace scoretext::smf
