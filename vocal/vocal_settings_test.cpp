// The setting statements where sirenta and the text tools read the one
// setting table differently: the same input through both, and each test
// fails if the difference goes.
#include "vocal/vocal_settings.h"

#include <gtest/gtest.h>

#include "frontend/testing.h"
#include "vocal/vocal_test_kit.h"

namespace scoretext::vocal {
namespace {

scoretext::testing::TextRun text_tool(std::string_view input) {
  static const ToolConfig config;
  scoretext::testing::ProbeNotes notes;
  return scoretext::testing::run_text(input, config, notes);
}

TEST(SettingDialects, TheTextToolsKnowScaleModesTo20SirentaTo18) {
  for (const std::string_view mode : {"18", "19", "20"}) {
    const std::string input = "SN " + std::string(mode) + "\n";
    EXPECT_EQ(text_tool(input).message, Msg::Count_) << mode;
    EXPECT_EQ(testing::message_of(input), mode == "18" ? Msg::Count_ : Msg::Malformed) << mode;
  }
}

// "#" and "#1" (and "B" and "B1") are one key to sirenta; the text tools
// write each as it was read, the flat in lower case.
TEST(SettingDialects, SirentaKeepsTheKeyIndexTheTextToolsTheKeyAsWritten) {
  const auto pitch = [](std::string_view key, std::string_view note) {
    const auto r = testing::read_part("SK " + std::string(key) + " 0;4 " + std::string(note));
    EXPECT_EQ(r.error, "") << key;
    return r.table.size() == 1 ? r.table[0].note_number : -1;
  };
  // One sharp raises F only, one flat lowers B only.
  EXPECT_EQ(pitch("#", "F3"), 66);
  EXPECT_EQ(pitch("#1", "F3"), 66);
  EXPECT_EQ(pitch("#", "C3"), 60);
  EXPECT_EQ(pitch("#1", "C3"), 60);
  EXPECT_EQ(pitch("B", "B3"), 70);
  EXPECT_EQ(pitch("B1", "B3"), 70);
  EXPECT_EQ(pitch("B", "E3"), 64);
  EXPECT_EQ(pitch("B1", "E3"), 64);
  EXPECT_EQ(pitch("B2", "E3"), 63);
  EXPECT_EQ(text_tool("SK # 0\nSK #1 1\nSK B 0\nSK B1 1\n").output, "SK # 0\nSK #1 1\nSK b 0\nSK b1 1\n");
}

TEST(SettingDialects, SomeKeywordsBelongToOneSideOnly) {
  // SL1 and SL2 are sirenta's beat snaps; the text tools do not know them
  // and hand them to the note statement (here the probe, which numbers it).
  EXPECT_EQ(testing::message_of("SL1\nSL2\n"), Msg::Count_);
  EXPECT_EQ(text_tool("SL1\n").output, "SL1 1\n");
  // SCN and SC4 are the text tools'.
  EXPECT_EQ(text_tool("SCN 3\nSC4\n").output, "SCN 3\nSC4\n");
  EXPECT_EQ(testing::message_of("SCN 3\n"), Msg::Malformed);
  EXPECT_EQ(testing::message_of("SC4\n"), Msg::Malformed);
}

}  // namespace
}  // namespace scoretext::vocal
