// How an SMF utility reports a failure that no check foresaw.
#include "smf/program.h"

#include <gtest/gtest.h>

#include "frontend/testing.h"


#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace scoretext::smf {
namespace {

using scoretext::testing::cp932_by_iconv;

TEST(RunReported, ALackOfMemoryIsAFileTooLargeAndAnythingElseAnInternalError) {
  const std::vector<std::string> args = {"song.mid"};
  Console memory;
  EXPECT_EQ(run_reported([](const std::vector<std::string>&, Console&) { throw std::bad_alloc(); }, args, memory), 1);
  ASSERT_FALSE(cp932_by_iconv("ファイルが大きすぎます\n").empty()) << "no CP932 converter";
  EXPECT_EQ(memory.contents(), cp932_by_iconv("ファイルが大きすぎます\n"));

  Console other;
  EXPECT_EQ(run_reported([](const std::vector<std::string>&, Console&) { throw std::out_of_range("map::at"); },
                         args, other),
            1);
  EXPECT_EQ(other.contents(), "ERROR:" + cp932_by_iconv("内部エラー") + " map::at\n");
}

}  // namespace
}  // namespace scoretext::smf
