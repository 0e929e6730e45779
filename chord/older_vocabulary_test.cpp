#include "chord/older_vocabulary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "chord/chord_table.h"

namespace scoretext::chord::older {
namespace {

TEST(OlderVocabulary, SuffixLists) {
  EXPECT_EQ(suffix_list(0).size(), 38u);
  EXPECT_EQ(suffix_list(1).size(), 20u);
  EXPECT_EQ(suffix_list(2).size(), 15u);
  // Each narrower list is part of the wider one, and every suffix is one
  // talven2 spells as well.
  for (auto s : suffix_list(1)) EXPECT_TRUE(in_suffix_list(0, s)) << s;
  for (auto s : suffix_list(2)) EXPECT_TRUE(in_suffix_list(1, s)) << s;
  for (auto s : suffix_list(0)) EXPECT_NE(find_suffix(s), nullptr) << s;
  EXPECT_FALSE(in_suffix_list(0, "M"));
  EXPECT_FALSE(in_suffix_list(2, "m"));
}

// Each root has eight fraction chords with fixed bass intervals.
TEST(OlderVocabulary, FractionListsFollowTheirPattern) {
  struct Kind {
    std::string_view quality;
    int bass;
  };
  const Kind kinds[8] = {{"", 4}, {"", 7}, {"m", 3}, {"m", 7}, {"7", 10}, {"m7", 10}, {"", 2}, {"m7", 5}};
  const std::string_view roots_a[12] = {"C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"};
  const std::string_view roots_b[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
  for (int which = 0; which < 2; ++which) {
    auto list = which == 0 ? fraction_list_a() : fraction_list_b();
    const auto* roots = which == 0 ? roots_a : roots_b;
    ASSERT_EQ(list.size(), 96u);
    for (std::size_t i = 0; i < list.size(); ++i) {
      std::string name(list[i]);
      SCOPED_TRACE(name);
      if (name == "A#bm/F" || name == "A#bm7/Ab") name.erase(2, 1);  // stored with a stray b
      std::string_view root = roots[i / 8];
      const Kind& kind = kinds[i % 8];
      auto slash = name.find('/');
      ASSERT_NE(slash, std::string::npos);
      EXPECT_EQ(name.substr(0, slash), std::string(root) + std::string(kind.quality));
      auto bass = root_semitone(name.substr(slash + 1));
      ASSERT_TRUE(bass.has_value());
      EXPECT_EQ((*bass - *root_semitone(root) + 12) % 12, kind.bass);
    }
  }
}

TEST(OlderVocabulary, ChordNames) {
  for (std::string_view good : {"C", "C#", "Cb", "Cm7", "C7", "Cm7-5", "Cadd9", "Ebm7", "GmM7",
                                "3C", "3C#", "1Cm", "2Cm", "3Cm7", "1C7", "C/E", "Db/F", "C#/F", "1C/E",
                                "A#bm/F", "A#bm7/Ab", "A#m/F", "A#m7/Ab", "C#m7/Cb"})
    EXPECT_TRUE(is_chord_name(good)) << good;
  for (std::string_view bad : {"3Cm", "1Cadd9", "2C9", "Cmaj7", "CM", "C7(9)", "Cxxx", "C/F", "Db/E#",
                               "cm", "H", "", "1", "4C", "12C", "C##", "Cbm7b", "C ", "CM7/E", "A#m/Fb"})
    EXPECT_FALSE(is_chord_name(bad)) << bad;
}

}  // namespace
}  // namespace scoretext::chord::older
