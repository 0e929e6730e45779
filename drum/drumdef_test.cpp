#include "drum/drumdef.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "drum/drum_notes.h"
#include "frontend/testing.h"
#include "frontend/tool_error.h"

namespace scoretext::drum {
namespace {

// Reading `file` fails with `message`, showing the definition line `detail`.
void expect_error(std::string_view file, Msg message, std::string_view detail) {
  const std::optional<ToolError> e = testing::thrown_error([&] { read_drum_definitions(file); });
  ASSERT_TRUE(e.has_value()) << "no error for: " << file;
  EXPECT_EQ(e->message(), message) << utf8_text(e->message());
  EXPECT_EQ(e->detail(), detail);
}

// `count` definitions on distinct notes with distinct names I0, I1, ...
std::string definitions(int count) {
  std::string file;
  for (int i = 0; i < count; ++i) {
    file += std::string(definition_note_name(i)) + " I" + std::to_string(i) + "\n";
  }
  return file;
}

TEST(DrumNotes, NamesAndNumbers) {
  EXPECT_EQ(definition_note_name(0), "C-2");
  EXPECT_EQ(definition_note_name(1), "C#-2");
  EXPECT_EQ(definition_note_name(36), "C1");
  EXPECT_EQ(definition_note_name(42), "F#1");
  EXPECT_EQ(definition_note_name(60), "C3");
  EXPECT_EQ(definition_note_name(119), "B7");
  EXPECT_EQ(score_note_name(1), "C-2#");
  EXPECT_EQ(score_note_name(42), "F1#");
  EXPECT_EQ(score_note_name(118), "A7#");
  EXPECT_EQ(score_note_name(38), "D1");
  for (int note = 0; note < kDrumNotes; ++note) {
    EXPECT_EQ(note_from_definition_name(definition_note_name(note)), note);
  }
  // Only the definition form, upper case, sharps only, octaves -2..7.
  for (const char* name : {"F1#", "DB1", "C8", "C-3", "c1", "C1 ", "", "C", "B#1", "E#1"}) {
    EXPECT_EQ(note_from_definition_name(name), -1) << name;
  }
}

TEST(DrumKitReader, DefinitionLines) {
  const DrumKit kit = read_drum_definitions(
      "C1 BD\n"
      "d1 sd // snare\n"
      "F#1 HHC closed hat\n"
      "// drum set\n"
      "\n"
      "   \n"
      "   a#1   Ride//x\n"
      "c#-1 LOW\r\n"
      "B7 TOP\r");
  ASSERT_EQ(kit.size(), 6u);
  EXPECT_EQ(kit[0].name, "BD");
  EXPECT_EQ(kit[0].note, 36);
  EXPECT_EQ(kit[1].name, "SD");
  EXPECT_EQ(kit[1].note, 38);
  EXPECT_EQ(kit[2].name, "HHC");
  EXPECT_EQ(kit[2].note, 42);
  EXPECT_EQ(kit[3].name, "RIDE");
  EXPECT_EQ(kit[3].note, 46);
  EXPECT_EQ(kit[4].name, "LOW");
  EXPECT_EQ(kit[4].note, 13);
  EXPECT_EQ(kit[5].name, "TOP");
  EXPECT_EQ(kit[5].note, 119);
  EXPECT_EQ(kit.owner_of(42), 2);
  EXPECT_EQ(kit.owner_of(37), DrumKit::kNone);
}

TEST(DrumKitReader, EmptyFiles) {
  EXPECT_TRUE(read_drum_definitions("").empty());
  EXPECT_TRUE(read_drum_definitions("// only a comment\n\n  \r\n").empty());
}

TEST(DrumKitReader, NamesAreWholeWordsOfAnyBytes) {
  using std::string_literals::operator""s;
  // A tab and a NUL are ordinary characters; only the blank separates.
  const DrumKit kit = read_drum_definitions("C1 B\tD\nD1 S\0D x\nE1 \x82\xa0\n"s);
  ASSERT_EQ(kit.size(), 3u);
  EXPECT_EQ(kit[0].name, "B\tD");
  EXPECT_EQ(kit[1].name, "S\0D"s);
  EXPECT_EQ(kit[2].name, "\x82\xa0");
  EXPECT_EQ(kit.find("S\0D"s), 1);
  EXPECT_EQ(kit.find("S"), DrumKit::kNone);
  expect_error("C1\tBD\n", Msg::DrumNoteName, "C1\tBD");
  expect_error("C1\0 BD\n"s, Msg::DrumNoteName, "C1\0 BD"s);
}

TEST(DrumKitReader, FindIsExact) {
  const DrumKit kit = read_drum_definitions("C1 BD\nD1 ABCDEFGHIJ\nE1 V\nF1 VX\n");
  EXPECT_EQ(kit.find("BD"), 0);
  EXPECT_EQ(kit.find("ABCDEFGHIJ"), 1);
  EXPECT_EQ(kit.find("V"), 2);
  EXPECT_EQ(kit.find("VX"), 3);
  for (const char* name : {"B", "BDX", "bd", "ABCDEFGHI", "ABCDEFGHIJK", ""}) {
    EXPECT_EQ(kit.find(name), DrumKit::kNone) << name;
  }
}

TEST(DrumKitReader, EachFaultWithTheRawLine) {
  expect_error("C1 BD\nc1# bd // kick\n", Msg::DrumNoteName, "c1# bd // kick");
  expect_error("DB1 X1\n", Msg::DrumNoteName, "DB1 X1");
  expect_error("C1 BD\nc1 Kick\r\n", Msg::DrumNoteTwice, "c1 Kick");
  expect_error("C1   //BD\n", Msg::DrumNameMissing, "C1   //BD");
  expect_error("C1", Msg::DrumNameMissing, "C1");
  expect_error("C1 abcdefghijk\n", Msg::DrumNameTooLong, "C1 abcdefghijk");
  expect_error("C2 V1\n", Msg::DrumNameUnfit, "C2 V1");
  expect_error("C2 v0x\n", Msg::DrumNameUnfit, "C2 v0x");
  expect_error("C1 BD\nD1 bd\n", Msg::DrumNameTwice, "D1 bd");
}

TEST(DrumKitReader, FirstFaultOfALineWins) {
  // Note taken and name taken: the note is checked first.
  expect_error("C1 BD\nC1 BD\n", Msg::DrumNoteTwice, "C1 BD");
  // Name too long and starting with V and a digit: the length first.
  expect_error("C1 V123456789AB\n", Msg::DrumNameTooLong, "C1 V123456789AB");
  // A bad note name hides everything after it.
  expect_error("H1\n", Msg::DrumNoteName, "H1");
}

TEST(DrumKitReader, InstrumentLimit) {
  EXPECT_EQ(read_drum_definitions(definitions(119)).size(), 119u);
  expect_error(definitions(120), Msg::DrumTableFull, "B7 I119");
  // The 120th line still gets its own checks before the limit.
  expect_error(definitions(119) + "C-2 EXTRA\n", Msg::DrumNoteTwice, "C-2 EXTRA");
}

TEST(DrumKitReader, LineLength) {
  const std::string name = " BD ";
  // Text before the comment reaches 99,999 characters: refused.
  const std::string long_line = "C1" + name + std::string(99999 - 6, 'x');
  ASSERT_EQ(long_line.size(), 99999u);
  expect_error(long_line + "\r\n", Msg::LineTooLong, long_line);
  expect_error(long_line + "//" + "\n", Msg::LineTooLong, long_line + "//");
  // 99,998 characters are accepted, with or without CR LF.
  const std::string accepted = long_line.substr(0, 99998);
  EXPECT_EQ(read_drum_definitions(accepted + "\r\n").size(), 1u);
  // Over-long lines are read whole: a comment makes the text short again, and
  // nothing of the line becomes a line of its own.
  const std::string commented = "C1 BD //" + std::string(250000, 'D') + " E1 SD";
  const DrumKit kit = read_drum_definitions(commented + "\nD1 SD\n");
  ASSERT_EQ(kit.size(), 2u);
  EXPECT_EQ(kit[1].note, 38);
}

TEST(DrumKitReader, LoadsTheFileOfTheCurrentFolderPastAHugeComment) {
  // Longer than the part of a line that is kept, and than one read: the
  // comment's rest is read past and the next line is a definition again.
  const std::string file = "C1 BD //" + std::string(3 << 20, '-') + "\r\nD1 SD\n";
  testing::ScratchFile scratch(file);
  const std::string dir = scratch.path() + ".d";
  ASSERT_EQ(::mkdir(dir.c_str(), 0700), 0);
  ASSERT_EQ(::rename(scratch.path().c_str(), (dir + "/drumdef.txt").c_str()), 0);
  char here[4096];
  ASSERT_NE(::getcwd(here, sizeof here), nullptr);
  ASSERT_EQ(::chdir(dir.c_str()), 0);
  const DrumKit kit = load_drum_file();
  ::unlink("drumdef.txt");
  // Without the file it is an open error.
  EXPECT_EQ(testing::thrown_message([] { load_drum_file(); }), Msg::OpenError);
  ASSERT_EQ(::chdir(here), 0);
  ::rmdir(dir.c_str());
  ASSERT_EQ(kit.size(), 2u);
  EXPECT_EQ(kit[1].name, "SD");
}

}  // namespace
}  // namespace scoretext::drum
