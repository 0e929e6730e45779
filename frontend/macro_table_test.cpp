#include "frontend/macro_table.h"

#include <gtest/gtest.h>

#include "frontend/testing.h"

namespace scoretext {
namespace {

std::string expand(MacroTable& table, std::string text) {
  std::string_view s = text;
  EXPECT_FALSE(table.step(s));
  return std::string(s);
}

Msg failure(MacroTable& table, std::string text) {
  std::string_view s = text;
  return testing::thrown_message([&] { table.step(s); });
}

TEST(MacroTable, TheRebuildOfTheExample) {
  MacroTable table;
  std::string_view def = "=d:T E4 G4";
  ASSERT_TRUE(table.step(def));
  EXPECT_EQ(expand(table, "4 C4=m:T V80"), "4 C4 E4 G4 V80");
  // The name runs to the next blank, so a use needs a blank after it.
  EXPECT_EQ(failure(table, "=M:T=M:T"), Msg::MacroBadName);
  EXPECT_EQ(expand(table, "=M:T =m:T"), " E4 G4  E4 G4");
}

TEST(MacroTable, LeftToRightWithoutReexpansion) {
  MacroTable table;
  std::string_view a = "=d:a  1", b = "=d:b 2";
  table.step(a);
  table.step(b);
  EXPECT_EQ(expand(table, "=m:a =m:b =m:a"), "  1  2   1");
  EXPECT_EQ(expand(table, "no uses"), "no uses");
}

TEST(MacroTable, Failures) {
  MacroTable table;
  std::string_view a = "=d:a x";
  table.step(a);
  EXPECT_EQ(failure(table, "=d:a y"), Msg::MacroDuplicate);
  EXPECT_EQ(failure(table, "=d"), Msg::MacroMalformed);
  EXPECT_EQ(failure(table, "=d:b =m:a"), Msg::MacroMalformed);
  EXPECT_EQ(failure(table, "=d:b"), Msg::MacroNoBody);
  EXPECT_EQ(failure(table, "=d:0123456789 x"), Msg::MacroBadName);
  EXPECT_EQ(failure(table, "x =a"), Msg::MacroBadName);
  EXPECT_EQ(failure(table, "x =m"), Msg::MacroBadName);
  EXPECT_EQ(failure(table, "x =m:A"), Msg::MacroBadName);
  EXPECT_EQ(failure(table, "x =m:0123456789"), Msg::MacroBadName);
}

}  // namespace
}  // namespace scoretext
