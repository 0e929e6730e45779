#include "melody/melody_notes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

#include "frontend/testing.h"

namespace scoretext::melody {
namespace {

ToolConfig melody_config() {
  ToolConfig c;
  c.quote_aware = true;
  c.token_refused = limits::kTokenRefusedLong;
  c.bad_length = Msg::BadLength;
  return c;
}

// The note parser alone: the note group it builds from the tokens after a
// plain length, and where it leaves the token position.
struct Parsed {
  std::string group;
  std::size_t stopped_at;
};

Parsed parse(std::string_view statement) {
  const ToolConfig config = melody_config();
  Tokens tokens;
  tokens.tokenize(statement, config);
  LengthGroup length;
  length.parse(tokens, config.bad_length);
  Parsed p;
  NoteText group;
  MelodyNotes().expand(tokens, length, group);
  p.group = group.view();
  p.stopped_at = tokens.position();
  return p;
}

Msg parse_error(std::string_view statement) {
  return testing::thrown_message([&] { parse(statement); });
}

TEST(MelodyNotes, NoteAndVelocityTokens) {
  EXPECT_EQ(parse("4 c-1 G7 C4## e4bb F4N b3b").group, " *C-1 *G7 *C4## *E4bb *F4n *B3b");
  for (const char* bad : {"4 C8", "4 C-2", "4 C4X", "4 D", "4 E4#B", "4 B4BBB", "4 C-"})
    EXPECT_EQ(parse_error(bad), Msg::BadNote) << bad;
  // A velocity far beyond the 32-bit range is still out of range, not 0.
  EXPECT_EQ(parse_error("4 C4 V99999999999"), Msg::VelocityRange);
}

TEST(MelodyNotes, TheGroupEndsAtAQuoteOrAtATokenThatIsNoNote) {
  const Parsed quoted = parse("4 C4 \"a b\" E4");
  EXPECT_EQ(quoted.group, " *C4");
  EXPECT_EQ(quoted.stopped_at, 2u);
  const Parsed letter = parse("4 C4 V9 H4 E4");
  EXPECT_EQ(letter.group, " *C4 V9");
  EXPECT_EQ(letter.stopped_at, 3u);
  EXPECT_EQ(parse("4 \"c\"").group, "");
  EXPECT_EQ(parse("4").group, "");
}

// The writer over several statements, with the output read back.
class MelodyWriterTest : public ::testing::Test {
 protected:
  MelodyWriterTest() : file_(std::tmpfile()), out_(fileno(file_)), run_(config_, out_, writer_) {}
  ~MelodyWriterTest() override { std::fclose(file_); }

  void statement(std::string_view text) {
    run_.tokens.tokenize(text, config_);
    writer_.handle(run_);
  }
  std::string written() {
    out_.flush();
    std::string text(static_cast<std::size_t>(::lseek(fileno(file_), 0, SEEK_END)), '\0');
    ::pread(fileno(file_), text.data(), text.size(), 0);
    return text;
  }

  ToolConfig config_ = melody_config();
  MelodyNotes notes_;
  MelodyWriter writer_{notes_};
  std::FILE* file_;
  Output out_;
  scoretext::Run run_;
};

TEST_F(MelodyWriterTest, TheCommentIsWrittenOnceAndNeverSaved) {
  statement("8 C4 \"Da Capo\"");
  EXPECT_EQ(writer_.comment(), "\"Da Capo\"");
  statement("4");
  EXPECT_EQ(writer_.comment(), "");
  statement("4 \"again\"");
  EXPECT_EQ(written(), "8  *C4 \"Da Capo\" \n4  *C4 \n4  *C4 \"again\" \n");
}

TEST_F(MelodyWriterTest, ResetForgetsTheNotesAndTheComment) {
  statement("8 C4 \"c\"");
  writer_.reset();
  EXPECT_EQ(writer_.comment(), "");
  EXPECT_EQ(writer_.saved_group(), "");
  // A comment alone names no notes once the saved ones are gone.
  EXPECT_EQ(testing::thrown_message([&] { statement("4 \"c\""); }), Msg::NoNotes);
}

}  // namespace
}  // namespace scoretext::melody
