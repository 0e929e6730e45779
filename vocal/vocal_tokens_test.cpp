#include "vocal/vocal_tokens.h"

#include <gtest/gtest.h>

#include "frontend/testing.h"

namespace scoretext::vocal {
namespace {

using scoretext::testing::thrown_message;

std::vector<std::string> upper(std::string_view statement) {
  VocalTokens t;
  t.tokenize(statement);
  std::vector<std::string> out;
  for (std::size_t i = 0; i < t.size(); ++i) out.emplace_back(t.at(i));
  return out;
}

Msg refusal(std::string_view statement) {
  return thrown_message([&] { VocalTokens().tokenize(statement); });
}

using Words = std::vector<std::string>;

TEST(VocalTokens, QuotesAnywhereHoldBlanksAndTheClosingQuoteEndsTheToken) {
  EXPECT_EQ(upper("4 c3 \"sa[s a]\"dyn:0  ly\"la la\"x"),
            (Words{"4", "C3", "\"SA[S A]\"", "DYN:0", "LY\"LA LA\"", "X"}));
  EXPECT_EQ(upper("a\"b c\"\"d e\""), (Words{"A\"B C\"", "\"D E\""}));
  EXPECT_EQ(upper("\"\""), (Words{"\"\""}));
  // Only the blank separates; a tab is an ordinary character.
  EXPECT_EQ(upper(" a\tb  c "), (Words{"A\tB", "C"}));
}

TEST(VocalTokens, TheRawCopyKeepsTheCase) {
  VocalTokens t;
  t.tokenize("ly\"La\" \"Sa[s A]\"");
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t.raw_at(0), "ly\"La\"");
  EXPECT_EQ(t.raw_at(1), "\"Sa[s A]\"");
  EXPECT_EQ(t.at(1), "\"SA[S A]\"");
  EXPECT_EQ(t.at(2), "");
  EXPECT_EQ(t.raw_at(2), "");
}

TEST(VocalTokens, Limits) {
  EXPECT_EQ(refusal("4 C3 \"sa"), Msg::BadQuote);
  EXPECT_EQ(refusal("LY\"a b"), Msg::BadQuote);
  // The closing quote is not counted; the opening one is.
  EXPECT_EQ(refusal("\"" + std::string(997, 'a') + "\""), Msg::Count_);
  EXPECT_EQ(refusal("\"" + std::string(998, 'a') + "\""), Msg::TokenTooLong);
  // A long unclosed quote reaches the length limit first.
  EXPECT_EQ(refusal("\"" + std::string(2000, 'a')), Msg::TokenTooLong);
}

}  // namespace
}  // namespace scoretext::vocal
