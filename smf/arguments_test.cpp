#include "arguments.h"

#include <gtest/gtest.h>

#include <limits>

namespace scoretext::smf {
namespace {

constexpr auto kMost = std::numeric_limits<std::int32_t>::max();
constexpr auto kLeast = std::numeric_limits<std::int32_t>::min();

TEST(ShiftArgument, TakesAnOptionalMinusAndDigits) {
  EXPECT_EQ(parse_shift("12"), 12);
  EXPECT_EQ(parse_shift("-12"), -12);
  EXPECT_EQ(parse_shift("007"), 7);
  EXPECT_EQ(parse_shift(""), 0);
  EXPECT_EQ(parse_shift("-"), 0);
}

TEST(ShiftArgument, RefusesEveryOtherCharacter) {
  for (const char* text : {"+3", "1a", "--1", "1-", " 1", "1.5", "0x10"}) {
    EXPECT_EQ(parse_shift(text), std::nullopt) << text;
  }
}

TEST(ShiftArgument, SaturatesAtTheThirtyTwoBitLimits) {
  EXPECT_EQ(parse_shift("2147483647"), kMost);
  EXPECT_EQ(parse_shift("2147483648"), kMost);
  EXPECT_EQ(parse_shift("-2147483648"), kLeast);
  EXPECT_EQ(parse_shift("-2147483649"), kLeast);
  EXPECT_EQ(parse_shift("99999999999999999999999999"), kMost);
  EXPECT_EQ(parse_shift("-99999999999999999999999999"), kLeast);
}

TEST(TrackArgument, TakesDigitsOnly) {
  EXPECT_EQ(parse_track_number("007"), 7);
  EXPECT_EQ(parse_track_number(""), 0);
  EXPECT_EQ(parse_track_number("99999999999999999999"), kMost);
  for (const char* text : {"-1", "+1", "-", "3x"}) {
    EXPECT_EQ(parse_track_number(text), std::nullopt) << text;
  }
}

}  // namespace
}  // namespace scoretext::smf
