// The message bytes made at build time against a conversion made now.
#include "frontend/messages.h"

#include <gtest/gtest.h>

namespace scoretext {
namespace {

TEST(Messages, BuiltBytesAreTheConversionOfEveryText) {
  for (int m = 0; m < static_cast<int>(Msg::Count_); ++m) {
    const Msg message = static_cast<Msg>(m);
    EXPECT_EQ(cp932_text(message), to_cp932(utf8_text(message))) << m;
  }
  // One text by its known bytes: "指定の誤り".
  EXPECT_EQ(to_cp932("\xe6\x8c\x87\xe5\xae\x9a\xe3\x81\xae\xe8\xaa\xa4\xe3\x82\x8a"),
            "\x8e\x77\x92\xe8\x82\xcc\x8c\xeb\x82\xe8");
}

}  // namespace
}  // namespace scoretext
