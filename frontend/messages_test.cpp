// The message bytes made at build time against a conversion made now, and
// the choice of character set for a stream.
#include "frontend/messages.h"

#include <gtest/gtest.h>
#include <pty.h>
#include <stdlib.h>
#include <unistd.h>

#include <clocale>
#include <string>

#include "frontend/terminal_text.h"

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

TEST(MessageForm, CodesetNames) {
  EXPECT_TRUE(is_utf8_codeset("UTF-8"));
  EXPECT_TRUE(is_utf8_codeset("utf8"));
  EXPECT_FALSE(is_utf8_codeset("ANSI_X3.4-1968"));
  EXPECT_FALSE(is_utf8_codeset("UTF-16"));
  EXPECT_FALSE(is_utf8_codeset("UTF-8X"));
  EXPECT_FALSE(is_utf8_codeset(""));
}

// A terminal under a UTF-8 locale gets UTF-8, under "C" CP932; a pipe gets
// CP932 under any locale; the program's own locale is "C" after each look.
TEST(MessageForm, TerminalAndPipe) {
  int terminal = -1, other_side = -1;
  ASSERT_EQ(openpty(&other_side, &terminal, nullptr, nullptr, nullptr), 0);
  int pipe_ends[2];
  ASSERT_EQ(pipe(pipe_ends), 0);
  const char* saved = getenv("LC_ALL");
  const std::string saved_value = saved ? saved : "";

  setenv("LC_ALL", "C.UTF-8", 1);
  EXPECT_EQ(message_form(terminal), TextForm::Utf8);
  EXPECT_STREQ(std::setlocale(LC_CTYPE, nullptr), "C");
  EXPECT_EQ(message_form(pipe_ends[1]), TextForm::Cp932);
  setenv("LC_ALL", "C", 1);
  EXPECT_EQ(message_form(terminal), TextForm::Cp932);
  EXPECT_STREQ(std::setlocale(LC_CTYPE, nullptr), "C");

  if (saved) {
    setenv("LC_ALL", saved_value.c_str(), 1);
  } else {
    unsetenv("LC_ALL");
  }
  close(terminal);
  close(other_side);
  close(pipe_ends[0]);
  close(pipe_ends[1]);
}

}  // namespace
}  // namespace scoretext
