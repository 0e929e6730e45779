#include "frontend/signed_number.h"

#include <gtest/gtest.h>

#include "frontend/testing.h"

namespace scoretext {

TEST(SignedNumber, ReadsSignsAndDigits) {
  EXPECT_EQ(parse_signed("0"), 0);
  EXPECT_EQ(parse_signed("+064"), 64);
  EXPECT_EQ(parse_signed("-8192"), -8192);
  EXPECT_EQ(parse_signed("+"), 0);
  EXPECT_EQ(parse_signed("-"), 0);
}

TEST(SignedNumber, SaturatesAtThe32BitLimits) {
  EXPECT_EQ(parse_signed("2147483647"), 2147483647);
  EXPECT_EQ(parse_signed("2147483648"), 2147483647);
  EXPECT_EQ(parse_signed("99999999999999999999999999"), 2147483647);
  EXPECT_EQ(parse_signed("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(parse_signed("-2147483649"), -2147483647 - 1);
  EXPECT_EQ(parse_signed("-99999999999999999999999999"), -2147483647 - 1);
}

TEST(SignedNumber, RefusesEverythingElse) {
  for (const char* bad : {"", "x", "1.5", "V1", "1x", "++1", "+-1", " 1", "1 "}) {
    EXPECT_EQ(testing::thrown_message([&] { (void)parse_signed(bad); }), Msg::Malformed) << bad;
    EXPECT_FALSE(is_signed_number(bad)) << bad;
  }
}

}  // namespace scoretext
