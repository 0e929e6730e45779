// The line reader and the statement reader on inputs that cross the reader's
// buffer boundaries.
#include <gtest/gtest.h>

#include <string>
#include <unistd.h>
#include <vector>

#include "frontend/line_reader.h"
#include "frontend/statement_reader.h"
#include "frontend/tool_error.h"

namespace scoretext {
namespace {

// A pipe filled from a string: the reader sees it in arbitrary pieces.
class Source {
 public:
  explicit Source(const std::string& text) {
    char name[] = "/tmp/reader_test_XXXXXX";
    fd_ = mkstemp(name);
    unlink(name);
    EXPECT_EQ(write(fd_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    lseek(fd_, 0, SEEK_SET);
  }
  ~Source() { close(fd_); }
  int fd() const { return fd_; }

 private:
  int fd_;
};

std::vector<std::string> all_lines(const std::string& text, std::size_t refused = 10) {
  Source src(text);
  LineReader reader(src.fd(), refused);
  std::vector<std::string> lines;
  std::string_view line;
  while (reader.next(line)) {
    lines.emplace_back(reader.too_long() ? "!" : "");
    lines.back().append(line);
  }
  return lines;
}

TEST(LineReader, LineEnds) {
  EXPECT_EQ(all_lines("a\nb\r\nc"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(all_lines("a\r"), (std::vector<std::string>{"a"}));
  EXPECT_EQ(all_lines("a\r\r\n"), (std::vector<std::string>{"a\r"}));
  EXPECT_EQ(all_lines("\n\n"), (std::vector<std::string>{"", ""}));
  EXPECT_EQ(all_lines(""), (std::vector<std::string>{}));
  EXPECT_EQ(all_lines(std::string("a\0b\n", 4)), (std::vector<std::string>{std::string("a\0b", 3)}));
}

TEST(LineReader, TooLongAtTheLimitAndWithACarriageReturn) {
  // refused = 10: nine characters pass, ten do not, a CR before LF is free.
  EXPECT_EQ(all_lines("123456789\n"), (std::vector<std::string>{"123456789"}));
  EXPECT_EQ(all_lines("123456789\r\n"), (std::vector<std::string>{"123456789"}));
  EXPECT_EQ(all_lines("1234567890\n"), (std::vector<std::string>{"!1234567890"}));
  EXPECT_EQ(all_lines("1234567890\r\n"), (std::vector<std::string>{"!1234567890"}));
  EXPECT_EQ(all_lines("12345678901234567890"), (std::vector<std::string>{"!1234567890"}));
}

TEST(LineReader, LinesAcrossBufferBoundaries) {
  // Lines of growing length over several megabytes of input.
  std::string text;
  std::vector<std::string> want;
  for (std::size_t n = 0; text.size() < 3u << 20; n = (n * 7 + 13) % 5000) {
    want.push_back(std::string(n, 'x') + std::to_string(want.size()));
    text += want.back() + (want.size() % 2 ? "\r\n" : "\n");
  }
  EXPECT_EQ(all_lines(text, 99999), want);
}

TEST(StatementReader, SplitsAndCountsLines) {
  Source src("SV;SV\n\n  // x;y\nA ; B ;;C\n");
  StatementReader reader(src.fd());
  std::vector<std::pair<int, std::string>> got;
  std::string_view s;
  while (reader.next(s)) got.emplace_back(reader.line_number(), std::string(s));
  const std::vector<std::pair<int, std::string>> want = {{1, "SV"}, {1, "SV"}, {4, "A "}, {4, "B "}, {4, ""}, {4, "C"}};
  EXPECT_EQ(got, want);
}

TEST(StatementReader, OverLongLineKeepsItsTextAsContext) {
  Source src("SV\n" + std::string(150000, 'x'));
  StatementReader reader(src.fd());
  std::string_view s;
  ASSERT_TRUE(reader.next(s));
  try {
    reader.next(s);
    FAIL() << "no error";
  } catch (const ToolError& e) {
    EXPECT_EQ(e.message(), Msg::LineTooLong);
    EXPECT_EQ(reader.line_number(), 2);
    EXPECT_EQ(reader.context(), std::string(99999, 'x'));
  }
}

}  // namespace
}  // namespace scoretext
