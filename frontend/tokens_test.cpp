#include "frontend/tokens.h"

#include <gtest/gtest.h>

#include "frontend/testing.h"

namespace scoretext {
namespace {

std::vector<std::string> split(std::string_view text, const ToolConfig& config, bool raw = false) {
  Tokens t;
  t.tokenize(text, config);
  std::vector<std::string> out;
  for (std::size_t i = 0; i < t.size(); ++i) out.emplace_back(raw ? t.raw_at(i) : t.at(i));
  return out;
}

// The message that tokenizing the text throws; Msg::Count_ when it passes.
Msg failure(std::string_view text, const ToolConfig& config) {
  return testing::thrown_message([&] { Tokens().tokenize(text, config); });
}

TEST(Tokens, BlanksOnlySeparateAndOnlyAToZIsUpperCased) {
  ToolConfig config;
  config.keep_raw_case = true;
  EXPECT_EQ(split("  4  am7\tv1 \xe3\x81\x82z ", config), (std::vector<std::string>{"4", "AM7\tV1", "\xe3\x81\x82Z"}));
  EXPECT_EQ(split("4 am7", config, true), (std::vector<std::string>{"4", "am7"}));
  Tokens t;
  t.tokenize("a b", config);
  t.set_position(5);
  EXPECT_EQ(t.current(), "");
  EXPECT_TRUE(t.at_end());
}

TEST(Tokens, UpperCasesEveryByteValueAlike) {
  // Every byte value at every position of a long token: only a..z change.
  std::string all;
  for (int round = 0; round < 3; ++round)
    for (int c = 0; c < 256; ++c)
      if (c != ' ') all.push_back(static_cast<char>(c));
  for (std::size_t shift = 0; shift < 9; ++shift) {
    ToolConfig config;
    config.token_refused = 10000;
    const std::string text = all.substr(shift);
    const auto tokens = split(text, config);
    ASSERT_EQ(tokens.size(), 1u);
    std::string want = text;
    for (char& c : want)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    EXPECT_EQ(tokens[0], want) << shift;
  }
}

TEST(Tokens, QuoteAwareForm) {
  ToolConfig config;
  config.quote_aware = true;
  config.token_refused = limits::kTokenRefusedLong;
  EXPECT_EQ(split("\"x y\"z a\"b c", config), (std::vector<std::string>{"\"x y\"", "Z", "A\"B", "C"}));
  EXPECT_EQ(failure("4 \"open", config), Msg::BadQuote);
  // 999 characters with the quotes pass, 1000 do not.
  EXPECT_EQ(failure("\"" + std::string(997, 'a') + "\"", config), Msg::Count_);
  EXPECT_EQ(failure("\"" + std::string(998, 'a') + "\"", config), Msg::TokenTooLong);
}

// Sung parts quote within tokens; the melody's rule quotes only from a
// token's first character.  The same text splits differently.
TEST(Tokens, QuotesWithinTokensForm) {
  ToolConfig sung;
  sung.quotes_within_tokens = true;
  sung.keep_raw_case = true;
  using Words = std::vector<std::string>;
  EXPECT_EQ(split("4 c3 \"sa[s a]\"dyn:0  ly\"la la\"x", sung),
            (Words{"4", "C3", "\"SA[S A]\"", "DYN:0", "LY\"LA LA\"", "X"}));
  EXPECT_EQ(split("a\"b c\"\"d e\"", sung), (Words{"A\"B C\"", "\"D E\""}));
  EXPECT_EQ(split("\"\"", sung), (Words{"\"\""}));
  EXPECT_EQ(split(" a\tb  c ", sung), (Words{"A\tB", "C"}));
  EXPECT_EQ(split("ly\"La\" \"Sa[s A]\"", sung, true), (Words{"ly\"La\"", "\"Sa[s A]\""}));
  EXPECT_EQ(failure("4 C3 \"sa", sung), Msg::BadQuote);
  EXPECT_EQ(failure("LY\"a b", sung), Msg::BadQuote);
  // The closing quote is not counted; the opening one is.
  const auto quoted = [](std::size_t n, bool closed) {
    return std::string("\"").append(n, 'a').append(closed ? "\"" : "");
  };
  EXPECT_EQ(failure(quoted(997, true), sung), Msg::Count_);
  EXPECT_EQ(failure(quoted(998, true), sung), Msg::TokenTooLong);
  // A long unclosed quote reaches the length limit first.
  EXPECT_EQ(failure(quoted(2000, false), sung), Msg::TokenTooLong);

  ToolConfig melody;
  melody.quote_aware = true;
  EXPECT_EQ(split("ly\"la la\"x", melody), (Words{"LY\"LA", "LA\"X"}));
}

TEST(Tokens, QuotedTextAndRawCaseAtEveryOffset) {
  // The text is upper-cased in blocks: a quoted token, and the raw-case
  // copy, must come out right wherever they fall, in a reused tokenizer.
  ToolConfig quoted;
  quoted.quote_aware = true;
  quoted.token_refused = limits::kTokenRefusedLong;
  ToolConfig raw;
  raw.keep_raw_case = true;
  Tokens t;
  for (std::size_t lead = 0; lead < 40; ++lead) {
    const std::string pad(lead, 'q');
    const std::string text = pad + " \"mixed Case\"tail";
    t.tokenize(text, quoted);
    ASSERT_EQ(t.size(), lead ? 3u : 2u) << lead;
    EXPECT_EQ(t.at(t.size() - 2), "\"mixed Case\"") << lead;
    EXPECT_EQ(t.at(t.size() - 1), "TAIL") << lead;
    EXPECT_EQ(t.raw_at(0), "") << lead;  // no raw-case copy kept here

    t.tokenize(pad + " aB cd", raw);
    EXPECT_EQ(t.raw_at(t.size() - 2), "aB") << lead;
    EXPECT_EQ(t.at(t.size() - 2), "AB") << lead;
    EXPECT_EQ(t.raw_at(t.size() - 1), "cd") << lead;
  }
  t.tokenize("v", raw);
  EXPECT_EQ(t.size(), 1u);
  EXPECT_EQ(t.raw_at(0), "v");
  EXPECT_EQ(t.raw_at(1), "");
}

TEST(Tokens, LimitsAtTheirEdges) {
  ToolConfig config;
  EXPECT_EQ(failure(std::string(998, 'a'), config), Msg::Count_);
  EXPECT_EQ(failure(std::string(999, 'a'), config), Msg::TokenTooLong);
  config.token_refused = limits::kTokenRefusedLong;
  EXPECT_EQ(failure(std::string(999, 'a'), config), Msg::Count_);
  EXPECT_EQ(failure(std::string(1000, 'a'), config), Msg::TokenTooLong);

  std::string many;
  for (int i = 0; i < 9999; ++i) many += "x ";
  EXPECT_EQ(failure(many, config), Msg::Count_);
  EXPECT_EQ(failure(many + "x", config), Msg::TooManyTokens);
  // The 10000th token is read (and checked) before the count is refused.
  EXPECT_EQ(failure(many + std::string(1000, 'y'), config), Msg::TokenTooLong);
}

}  // namespace
}  // namespace scoretext
