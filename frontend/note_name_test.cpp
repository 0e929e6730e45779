#include "frontend/note_name.h"

#include <gtest/gtest.h>

#include "frontend/length_group.h"

namespace scoretext {

TEST(NoteName, RewritesTheAccidental) {
  EXPECT_EQ(normalised_note("E4B"), "E4b");
  EXPECT_EQ(normalised_note("A-1BB"), "A-1bb");
  EXPECT_EQ(normalised_note("F5N"), "F5n");
  EXPECT_EQ(normalised_note("G7##"), "G7##");
  EXPECT_EQ(normalised_note("C-1"), "C-1");
  EXPECT_EQ(normalised_note("C0#"), "C0#");
}

TEST(NoteName, RefusesWhatIsNoNote) {
  for (const char* bad : {"", "C", "H4", "C8", "C-2", "C-", "C4X", "C4#B", "C4BBB", "C4###", "C4NN", "c4", "C4b"}) {
    EXPECT_FALSE(normalised_note(bad)) << bad;
  }
}

TEST(LengthGroupTokens, TheTablesHaveTheirSizes) {
  // Count every short token over a small alphabet: 27 lengths, 8 brackets,
  // 215 articulations.
  int lengths = 0, brackets = 0, articulations = 0;
  const std::string alphabet = "0123456789.]&DLS";
  std::string t;
  auto visit = [&](auto&& self, std::size_t depth) -> void {
    if (!t.empty()) {
      lengths += is_length_token(t);
      brackets += is_bracket_token(t);
      articulations += is_articulation_token(t);
    }
    if (depth == 4) return;
    for (char c : alphabet) {
      t.push_back(c);
      self(self, depth + 1);
      t.pop_back();
    }
  };
  visit(visit, 0);
  EXPECT_EQ(lengths, 27);
  EXPECT_EQ(brackets, 8);
  EXPECT_EQ(articulations, 215);
  EXPECT_TRUE(is_articulation_token("&140"));
  EXPECT_TRUE(is_articulation_token("&141"));
  EXPECT_FALSE(is_articulation_token("&00"));
  EXPECT_FALSE(is_articulation_token("&201"));
  EXPECT_FALSE(is_articulation_token("&1"));
}

}  // namespace scoretext
