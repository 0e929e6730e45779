#include "chord/chord_table.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace scoretext::chord {
namespace {

using Steps = std::vector<int>;

Steps steps_of(std::string_view suffix) {
  const SuffixRow* row = find_suffix(suffix);
  if (!row) return {-1};
  return Steps(row->intervals.begin(), row->intervals.end());
}

// The interval rules, written out again from the names alone, so that the
// table is checked against an independent reading of every name.
std::optional<int> tension_value(std::string_view t) {
  static const std::map<std::string_view, int> values = {
      {"b9", 13}, {"-9", 13}, {"9", 14}, {"#9", 15}, {"+9", 15},
      {"b11", 16}, {"-11", 16}, {"11", 17}, {"#11", 18}, {"+11", 18},
      {"b13", 20}, {"-13", 20}, {"13", 21}, {"#13", 22}, {"+13", 22}};
  auto it = values.find(t);
  if (it == values.end()) return std::nullopt;
  return it->second;
}

// Base with a parenthesised list: "m7(b5,9)".
std::optional<Steps> derive_with_list(std::string_view name) {
  static const std::map<std::string_view, Steps> bases = {
      {"6", {0, 4, 7, 9}}, {"7", {0, 4, 7, 10}}, {"7sus4", {0, 5, 7, 10}},
      {"dim", {0, 3, 6, 9}}, {"m", {0, 3, 7}}, {"m6", {0, 3, 7, 9}},
      {"m7", {0, 3, 7, 10}}, {"M7", {0, 4, 7, 11}}, {"mM7", {0, 3, 7, 11}}};
  auto open = name.find('(');
  if (open == std::string_view::npos || open == 0 || name.back() != ')') return std::nullopt;
  auto base = bases.find(name.substr(0, open));
  if (base == bases.end()) return std::nullopt;
  Steps steps = base->second;
  std::string_view items = name.substr(open + 1, name.size() - open - 2);
  while (!items.empty()) {
    auto comma = items.find(',');
    std::string_view item = items.substr(0, comma);
    if (item == "b5" || item == "5" || item == "#5") {
      steps[2] = item == "b5" ? 6 : item == "5" ? 7 : 8;
    } else if (auto t = tension_value(item)) {
      steps.push_back(*t);
    } else {
      return std::nullopt;
    }
    items = comma == std::string_view::npos ? std::string_view() : items.substr(comma + 1);
  }
  return steps;
}

// Dominant named by its top tension: "-9+5", "(#11-5)", "13".
std::optional<Steps> derive_dominant(std::string_view name) {
  bool parens = name.starts_with("(");
  if (parens) {
    if (!name.ends_with(")")) return std::nullopt;
    name = name.substr(1, name.size() - 2);
  }
  int fifth = 7;
  if (name.ends_with("-5") && name.size() > 2) fifth = 6;
  if (name.ends_with("+5") && name.size() > 2) fifth = 8;
  if (fifth != 7) name.remove_suffix(2);
  auto t = tension_value(name);
  if (!t) return std::nullopt;
  Steps steps = {0, 4, fifth, 10};
  if (*t >= 16) steps.push_back(14);
  if (*t >= 20) steps.push_back(17);
  steps.push_back(*t);
  return steps;
}

// Names whose intervals are fixed one by one.
const std::map<std::string_view, Steps>& fixed_rows() {
  static const std::map<std::string_view, Steps> rows = {
      {"xxx", {0, 4, 7}}, {"m", {0, 3, 7}}, {"sus4", {0, 5, 7}},
      {"-5", {0, 4, 6}}, {"(-5)", {0, 4, 6}}, {"(b5)", {0, 4, 6}},
      {"aug", {0, 4, 8}}, {"+5", {0, 4, 8}}, {"+", {0, 4, 8}}, {"(#5)", {0, 4, 8}}, {"(+5)", {0, 4, 8}},
      {"maug", {0, 3, 8}}, {"m+5", {0, 3, 8}}, {"m-5", {0, 3, 6}}, {"dim", {0, 3, 6}},
      {"dim7", {0, 3, 6, 9}}, {"dimM7", {0, 3, 6, 11}}, {"6", {0, 4, 7, 9}}, {"69", {0, 4, 7, 9, 14}},
      {"m6", {0, 3, 7, 9}}, {"m69", {0, 3, 7, 9, 14}}, {"m7", {0, 3, 7, 10}}, {"m7-5", {0, 3, 6, 10}},
      {"M7", {0, 4, 7, 11}}, {"mM7", {0, 3, 7, 11}}, {"m9", {0, 3, 7, 10, 14}}, {"M9", {0, 4, 7, 11, 14}},
      {"m11", {0, 3, 7, 10, 14, 17}}, {"m13", {0, 3, 7, 10, 14, 17, 21}}, {"madd9", {0, 3, 7, 14}},
      {"add2", {0, 2, 4, 7}}, {"add4", {0, 4, 5, 7}}, {"add9", {0, 4, 7, 14}}, {"aug7", {0, 4, 8, 10}},
      {"aug9", {0, 4, 8, 10, 14}}, {"augM7", {0, 4, 8, 11}}, {"7sus4", {0, 5, 7, 10}},
      {"7-11", {0, 4, 7, 10, 16}}, {"7+11", {0, 4, 7, 10, 18}}, {"7-13", {0, 4, 7, 10, 20}},
      // The plain dominant-seventh family.
      {"7", {0, 4, 7, 10}}, {"7-5", {0, 4, 6, 10}}, {"7+5", {0, 4, 8, 10}},
      {"7-9", {0, 4, 7, 10, 13}}, {"7+9", {0, 4, 7, 10, 15}}, {"7+13", {0, 4, 7, 10, 22}}};
  return rows;
}

// Rows that no rule gives: the tension added to the major triad.
const std::map<std::string_view, Steps>& odd_rows() {
  static const std::map<std::string_view, Steps> rows = {
      {"(11)", {0, 4, 7, 17}}, {"(b11)", {0, 4, 7, 16}}, {"(#11)", {0, 4, 7, 18}}, {"(+11)", {0, 4, 7, 18}}};
  return rows;
}

TEST(SuffixTable, EveryRowFollowsItsName) {
  int with_list = 0, dominant = 0, fixed = 0, odd = 0;
  for (const SuffixRow& row : suffix_rows()) {
    SCOPED_TRACE(std::string(row.name));
    Steps actual(row.intervals.begin(), row.intervals.end());
    std::optional<Steps> expected;
    if (auto it = odd_rows().find(row.name); it != odd_rows().end()) {
      expected = it->second;
      ++odd;
    } else if (auto f = fixed_rows().find(row.name); f != fixed_rows().end()) {
      expected = f->second;
      ++fixed;
    } else if ((expected = derive_with_list(row.name))) {
      ++with_list;
    } else if ((expected = derive_dominant(row.name))) {
      ++dominant;
    }
    ASSERT_TRUE(expected.has_value()) << "no rule reads this name";
    EXPECT_EQ(actual, *expected);
  }
  EXPECT_EQ(odd, 4);
  EXPECT_EQ(fixed, 46);
  EXPECT_EQ(with_list + dominant + fixed + odd, 424);
  EXPECT_EQ(dominant, 59);
}

TEST(SuffixTable, OrderAndSize) {
  auto rows = suffix_rows();
  ASSERT_EQ(rows.size(), 424u);
  EXPECT_EQ(rows.front().name, "-5");
  EXPECT_EQ(rows.back().name, "xxx");
  // The seventh family stands between 7-13 and 7(5).
  std::vector<std::string_view> names;
  for (const auto& r : rows) names.push_back(r.name);
  auto at = std::find(names.begin(), names.end(), "7-13") - names.begin();
  std::vector<std::string_view> next(names.begin() + at, names.begin() + at + 8);
  EXPECT_EQ(next, (std::vector<std::string_view>{"7-13", "7", "7-5", "7+5", "7-9", "7+9", "7+13", "7(5)"}));
}

TEST(SuffixTable, WorkedExamples) {
  EXPECT_EQ(steps_of("7(b9,#11)"), (Steps{0, 4, 7, 10, 13, 18}));
  EXPECT_EQ(steps_of("m7(b5,9)"), (Steps{0, 3, 6, 10, 14}));
  EXPECT_EQ(steps_of("dim(9)"), (Steps{0, 3, 6, 9, 14}));
  EXPECT_EQ(steps_of("7(5)"), (Steps{0, 4, 7, 10}));
  EXPECT_EQ(steps_of("9"), (Steps{0, 4, 7, 10, 14}));
  EXPECT_EQ(steps_of("-9+5"), (Steps{0, 4, 8, 10, 13}));
  EXPECT_EQ(steps_of("(#11-5)"), (Steps{0, 4, 6, 10, 14, 18}));
  EXPECT_EQ(steps_of("13"), (Steps{0, 4, 7, 10, 14, 17, 21}));
  EXPECT_EQ(steps_of("(-11)"), (Steps{0, 4, 7, 10, 14, 16}));
  EXPECT_EQ(steps_of("(11)"), (Steps{0, 4, 7, 17}));
  EXPECT_EQ(steps_of("11"), (Steps{0, 4, 7, 10, 14, 17}));
  EXPECT_EQ(steps_of("(11-5)"), (Steps{0, 4, 6, 10, 14, 17}));
}

TEST(SuffixTable, AlteredMajorSeventhsKeepTheirMajorSeventh) {
  EXPECT_EQ(steps_of("M7(#5)"), (Steps{0, 4, 8, 11}));
  EXPECT_EQ(steps_of("M7(b5)"), (Steps{0, 4, 6, 11}));
  EXPECT_EQ(steps_of("M7(b5,9)"), (Steps{0, 4, 6, 11, 14}));
  EXPECT_EQ(steps_of("M7(#5,9)"), (Steps{0, 4, 8, 11, 14}));
  EXPECT_EQ(steps_of("M7(b5,b9,#11)"), (Steps{0, 4, 6, 11, 13, 18}));
  EXPECT_EQ(steps_of("M7(#5,#9,b11)"), (Steps{0, 4, 8, 11, 15, 16}));
  // The flat ninth of the minor-major sevenths is the flat ninth.
  EXPECT_EQ(steps_of("mM7(b9,11)"), (Steps{0, 3, 7, 11, 13, 17}));
  EXPECT_EQ(steps_of("mM7(b9,#11)"), (Steps{0, 3, 7, 11, 13, 18}));
}

TEST(SuffixTable, LookupIsExactAndCaseSensitive) {
  EXPECT_EQ(steps_of("M7"), (Steps{0, 4, 7, 11}));
  EXPECT_EQ(steps_of("m7"), (Steps{0, 3, 7, 10}));
  EXPECT_EQ(find_suffix("mm7"), nullptr);
  EXPECT_EQ(find_suffix("maj7"), nullptr);
  EXPECT_EQ(find_suffix("M7 "), nullptr);
  EXPECT_EQ(find_suffix("m7("), nullptr);
  EXPECT_EQ(find_suffix(""), nullptr);
  EXPECT_EQ(find_suffix("XXX"), nullptr);
  EXPECT_EQ(steps_of(kEmptySuffix), (Steps{0, 4, 7}));
  // The unusable slots of the stored table are gone.
  EXPECT_EQ(find_suffix("-1"), nullptr);
  EXPECT_EQ(find_suffix("10"), nullptr);
  EXPECT_EQ(steps_of("7"), (Steps{0, 4, 7, 10}));
  EXPECT_EQ(steps_of("7+13"), (Steps{0, 4, 7, 10, 22}));
  // Every row is found under its own name.
  for (const auto& row : suffix_rows()) EXPECT_EQ(find_suffix(row.name), &row) << row.name;
}

TEST(Roots, SemitonesOfEveryName) {
  const std::map<char, int> natural = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5}, {'G', 7}, {'A', 9}, {'B', 11}};
  int count = 0;
  for (auto [letter, semitone] : natural) {
    std::string plain(1, letter);
    EXPECT_EQ(root_semitone(plain), semitone);
    EXPECT_EQ(root_semitone(plain + "b"), (semitone + 11) % 12) << plain;
    EXPECT_EQ(root_semitone(plain + "#"), (semitone + 1) % 12) << plain;
    count += 3;
  }
  EXPECT_EQ(root_names().size(), static_cast<std::size_t>(count));
  EXPECT_EQ(root_semitone("Cb"), 11);
  EXPECT_EQ(root_semitone("B#"), 0);
  EXPECT_EQ(root_semitone("E#"), 5);
  EXPECT_EQ(root_semitone("Fb"), 4);
  for (std::string_view bad : {"c", "CB", "H", "C##", "Cbb", "", "C "}) EXPECT_FALSE(root_semitone(bad)) << bad;
}

TEST(Roots, BassNamesFollowTheRoots) {
  auto roots = root_names();
  ASSERT_EQ(on_bass_names().size(), roots.size());
  ASSERT_EQ(slash_bass_names().size(), roots.size());
  for (std::size_t i = 0; i < roots.size(); ++i) {
    std::string root(roots[i]);
    EXPECT_EQ(on_bass_names()[i], "on" + root);
    EXPECT_EQ(slash_bass_names()[i], "/" + root);
    EXPECT_EQ(on_bass_semitone("on" + root), root_semitone(root)) << root;
    EXPECT_EQ(slash_bass_semitone("/" + root), root_semitone(root)) << root;
  }
  EXPECT_EQ(on_bass_semitone("onB#"), 0);
  EXPECT_EQ(slash_bass_semitone("/Cb"), 11);
  for (std::string_view bad : {"on", "onc", "ON", "onH", "/", "/c", "onC/", "/onC", "C"}) {
    EXPECT_FALSE(on_bass_semitone(bad)) << bad;
    EXPECT_FALSE(slash_bass_semitone(bad)) << bad;
  }
}

TEST(PitchNames, ThreeOctavesOfSharps) {
  const char* pitches[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
  for (int i = 0; i < kPitchCount; ++i) {
    std::string_view p = pitches[i % 12];
    std::string expected = "*";
    expected += p.substr(0, 1);
    expected += std::to_string(2 + i / 12);
    expected += p.substr(1);
    EXPECT_EQ(pitch_name(i), expected);
  }
  EXPECT_EQ(pitch_name(0), "*C2");
  EXPECT_EQ(pitch_name(13), "*C3#");
  EXPECT_EQ(pitch_name(35), "*B4");
}

}  // namespace
}  // namespace scoretext::chord
