// The inline copies behind note groups and the output buffer, at every
// length where their method changes.
#include "frontend/note_text.h"

#include <gtest/gtest.h>

#include <string>

#include "frontend/note_group.h"
#include "frontend/output.h"
#include "frontend/pitch_names.h"

namespace scoretext {
namespace {

std::string pattern(std::size_t n, char first) {
  std::string s;
  for (std::size_t i = 0; i < n; ++i) s.push_back(static_cast<char>(first + i % 23));
  return s;
}

TEST(SmallCopy, EveryLengthCopiesExactlyItsBytes) {
  for (std::size_t n = 0; n <= 40; ++n) {
    const std::string from = pattern(n, 'a');
    std::string to(n + 8, '#');
    copy_small(to.data() + 4, from.data(), n);
    EXPECT_EQ(to, std::string(4, '#') + from + std::string(4, '#')) << n;
  }
}

TEST(NoteText, AppendsGrowAndKeepWhatWasThere) {
  NoteText text;
  std::string want;
  for (std::size_t n = 0; n < 300; ++n) {
    const std::string piece = pattern(n % 37, 'A');
    if (n % 3 == 0) {
      text.append_word(piece);
      want += ' ' + piece;
    } else if (n % 3 == 1) {
      text += piece;
      want += piece;
    } else {
      text.push_back('!');
      want += '!';
    }
    ASSERT_EQ(text.view(), want) << n;
  }
  NoteText copy = text;
  NoteText other;
  other.assign("X");
  other.swap(text);
  EXPECT_EQ(other.view(), want);
  EXPECT_EQ(text, "X");
  EXPECT_EQ(copy.view(), want);
}

TEST(NoteText, PaddedNoteNamesAddOnlyTheirOwnCharacters) {
  NoteText text;
  std::string want;
  for (int note = 0; note <= kNoteNumberMax; ++note) {
    text.append_padded(score_pitch_word(note));
    want += ' ';
    want += score_pitch_name(note);
  }
  EXPECT_EQ(text.view(), want);
  EXPECT_EQ(std::string(score_pitch_name(0)), "*C-2");
  EXPECT_EQ(std::string(score_pitch_name(127)), "*G8");
}

TEST(PlainVelocity, TakesOneToThreeDigitsUpTo127Only) {
  for (int v = 0; v <= 999; ++v) EXPECT_EQ(plain_velocity_in_range(std::string("V").append(std::to_string(v))), v <= 127) << v;
  for (const char* other : {"V", "V0127", "V+1", "V-1", "V1X", "V12:", "V/"})
    EXPECT_FALSE(plain_velocity_in_range(other)) << other;
}

TEST(Output, TextsLongerThanTheBufferPassThroughInOrder) {
  std::string target;
  {
    Output out(target);
    out.write("head ");
    out.write(std::string(200000, 'x'));
    out.put('!');
    out.flush();
  }
  EXPECT_EQ(target, "head " + std::string(200000, 'x') + "!");
}

}  // namespace
}  // namespace scoretext
