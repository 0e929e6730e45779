// The line reader and the statement reader on inputs that cross the reader's
// buffer boundaries.
#include <gtest/gtest.h>

#include <string>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

#include "frontend/files.h"
#include "frontend/line_reader.h"
#include "frontend/statement_reader.h"
#include "frontend/testing.h"
#include "frontend/tool_error.h"

namespace scoretext {
namespace {

std::vector<std::string> all_lines(const std::string& text, std::size_t refused = 10) {
  testing::ScratchFile file(text);
  const InputFile input(file.path());
  LineReader reader(input, refused);
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

TEST(LineReader, StringAndFileGiveTheSameLines) {
  const std::string text = std::string("a\r\nbb\n\n") + std::string(30, 'x') + "\nc\r";
  std::vector<std::string> from_string;
  LineReader reader(text, 10);
  std::string_view line;
  while (reader.next(line)) from_string.emplace_back(reader.too_long() ? "!" : "").append(line);
  EXPECT_EQ(from_string, all_lines(text));
  EXPECT_EQ(from_string, (std::vector<std::string>{"a", "bb", "", "!xxxxxxxxxx", "c"}));
}

TEST(LineReader, FilterRewritesEachLineButNotATooLongOne) {
  LineReader reader("ab\ncd\n0123456789\nef", 10);
  reader.set_filter([](std::string_view line, std::string& scratch) {
    scratch.clear();
    scratch.push_back('<');
    scratch.append(line).push_back('>');
    return std::string_view(scratch);
  });
  std::vector<std::string> got;
  std::string_view line;
  while (reader.next(line)) got.emplace_back(line);
  EXPECT_EQ(got, (std::vector<std::string>{"<ab>", "<cd>", "0123456789", "<ef>"}));
}

TEST(LineReader, ReadErrorIsAnOpenErrorNotTheEnd) {
  // A directory opened behind InputFile's back: read(2) fails with EISDIR.
  testing::ScratchFile file("x\n");
  const InputFile input(file.path());
  const int dir = ::open("/", O_RDONLY | O_DIRECTORY);
  ASSERT_GE(dir, 0);
  ASSERT_GE(::dup2(dir, input.fd()), 0);
  ::close(dir);
  LineReader reader(input, 10);
  std::string_view line;
  try {
    reader.next(line);
    FAIL() << "the read error was taken for the end of the input";
  } catch (const ToolError& e) {
    EXPECT_EQ(e.report(), file.path() + " open error\n");
  }
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
  StatementReader reader("SV;SV\n\n  // x;y\nA ; B ;;C\n");
  std::vector<std::pair<int, std::string>> got;
  std::string_view s;
  while (reader.next(s)) got.emplace_back(reader.line_number(), std::string(s));
  const std::vector<std::pair<int, std::string>> want = {{1, "SV"}, {1, "SV"}, {4, "A "}, {4, "B "}, {4, ""}, {4, "C"}};
  EXPECT_EQ(got, want);
}

// The statements of a text by the plain rule: cut each line at its first
// "//", split it at every ";", drop the blanks before each piece, and skip
// the pieces that are then empty unless a ";" ends them.
std::vector<std::pair<int, std::string>> statements_by_rule(const std::string& text) {
  std::vector<std::pair<int, std::string>> out;
  int number = 0;
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find('\n', begin);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(begin, end - begin);
    begin = end + 1;
    ++number;
    line = line.substr(0, line.find("//"));
    std::size_t at = 0;
    for (;;) {
      while (at < line.size() && line[at] == ' ') ++at;
      if (at == line.size()) break;
      const std::size_t semicolon = line.find(';', at);
      if (semicolon == std::string::npos) {
        out.emplace_back(number, line.substr(at));
        break;
      }
      out.emplace_back(number, line.substr(at, semicolon - at));
      at = semicolon + 1;
    }
  }
  return out;
}

TEST(StatementReader, SplitsRandomLinesAsThePlainRuleDoes) {
  // Lines of blanks, letters, ";", "/" and "=" of every length up to 70,
  // so that every character falls at every place in a scanned block.
  std::uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
  const char alphabet[] = " ;/=a";
  for (int round = 0; round < 300; ++round) {
    std::string text;
    for (int line = 0; line < 20; ++line) {
      const std::size_t size = next() % 71;
      for (std::size_t i = 0; i < size; ++i) text += alphabet[next() % 5];
      text += '\n';
    }
    StatementReader reader(text);
    std::vector<std::pair<int, std::string>> got;
    std::string_view s;
    while (reader.next(s)) {
      got.emplace_back(reader.line_number(), std::string(s));
      ASSERT_EQ(reader.has_equals(), s.find('=') != std::string_view::npos) << s;
    }
    ASSERT_EQ(got, statements_by_rule(text)) << text;
  }
}

TEST(StatementReader, OverLongLineKeepsItsTextAsContext) {
  const std::string text = "SV\n" + std::string(150000, 'x');
  StatementReader reader(text);
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
