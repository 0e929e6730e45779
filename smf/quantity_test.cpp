#include "smf/quantity.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace scoretext::smf {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The examples that the Standard MIDI File description gives for its
// variable-length quantities.
const std::vector<std::pair<std::uint32_t, Bytes>> kPublishedExamples = {
    {0x00000000, {0x00}},
    {0x00000040, {0x40}},
    {0x0000007F, {0x7F}},
    {0x00000080, {0x81, 0x00}},
    {0x00002000, {0xC0, 0x00}},
    {0x00003FFF, {0xFF, 0x7F}},
    {0x00004000, {0x81, 0x80, 0x00}},
    {0x00100000, {0xC0, 0x80, 0x00}},
    {0x001FFFFF, {0xFF, 0xFF, 0x7F}},
    {0x00200000, {0x81, 0x80, 0x80, 0x00}},
    {0x08000000, {0xC0, 0x80, 0x80, 0x00}},
    {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}},
};

TEST(Quantity, WrittenAndReadAsThePublishedExamples) {
  for (const auto& [value, bytes] : kPublishedExamples) {
    std::string out = "x";
    append_quantity(out, value);
    EXPECT_EQ(out, std::string("x").append(bytes.begin(), bytes.end())) << value;
    EXPECT_EQ(quantity_size(value), bytes.size()) << value;

    Bytes stream = bytes;
    stream.push_back(0x90);  // the next event's status stays unread
    std::size_t position = 0;
    std::uint64_t read = 99;
    ASSERT_TRUE(read_quantity(stream, position, read)) << value;
    EXPECT_EQ(read, value);
    EXPECT_EQ(position, bytes.size());
  }
}

TEST(Quantity, ACutOffQuantityIsNotRead) {
  for (const auto& [value, bytes] : kPublishedExamples) {
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
      const Bytes part(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut));
      std::size_t position = 0;
      std::uint64_t read = 0;
      EXPECT_FALSE(read_quantity(part, position, read)) << value << " cut at " << cut;
      EXPECT_EQ(position, cut);
    }
  }
}

TEST(Quantity, AValueReadPastTheCeilingStopsGrowingButIsReadToItsEnd) {
  // Five bytes of 0x7F groups, then forty more continuation bytes.
  Bytes bytes(45, 0xFF);
  bytes.push_back(0x01);
  bytes.push_back(0x42);
  std::size_t position = 0;
  std::uint64_t value = 0;
  ASSERT_TRUE(read_quantity(bytes, position, value));
  EXPECT_EQ(position, 46u);
  EXPECT_GE(value, kQuantityCeiling);
  EXPECT_LT(value, kQuantityCeiling << 7);
  // Starting inside a stream.
  position = 46;
  ASSERT_TRUE(read_quantity(bytes, position, value));
  EXPECT_EQ(value, 0x42u);
}

}  // namespace
}  // namespace scoretext::smf
