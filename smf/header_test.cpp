#include "header.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace scoretext::smf {
namespace {

using testing::Bytes;
using testing::header_chunk;
using testing::thrown_message;

Msg failure(const Bytes& image, FormatRule rule) {
  return thrown_message([&] { check_header(image, rule); });
}

TEST(Header, ReturnsTheSixteenBitTrackCount) {
  EXPECT_EQ(check_header(header_chunk(1, 2), FormatRule::Format1Only), 2);
  EXPECT_EQ(check_header(header_chunk(1, 0xFFFF), FormatRule::Format1Only), 65535);
  EXPECT_EQ(check_header(header_chunk(0, 0x0102), FormatRule::Any), 258);
}

TEST(Header, FormatRuleDecidesAboutFormatZero) {
  EXPECT_EQ(check_header(header_chunk(0, 1), FormatRule::Any), 1);
  EXPECT_EQ(failure(header_chunk(0, 1), FormatRule::Format1Only), Msg::SmfNotFormat1);
  EXPECT_EQ(failure(header_chunk(2, 1), FormatRule::Format1Only), Msg::SmfNotFormat1);
}

TEST(Header, RefusesAnythingButAnMThdChunkOfLengthSix) {
  Bytes wrong_type = header_chunk(1, 1);
  wrong_type[3] = 'h';
  Bytes length_seven = header_chunk(1, 1);
  length_seven[7] = 7;
  Bytes long_length = header_chunk(1, 1);
  long_length[4] = 1;
  Bytes high_format = header_chunk(1, 1);
  high_format[8] = 1;
  for (const Bytes& image : {wrong_type, length_seven, long_length, high_format}) {
    EXPECT_EQ(failure(image, FormatRule::Any), Msg::SmfHeader);
    // The header fault is found before the format is looked at.
    EXPECT_EQ(failure(image, FormatRule::Format1Only), Msg::SmfHeader);
  }
}

TEST(Header, RefusesAFileTooShortToHoldIt) {
  Bytes image = header_chunk(1, 1);
  image.pop_back();
  EXPECT_EQ(failure(image, FormatRule::Any), Msg::SmfHeader);
  EXPECT_EQ(failure({}, FormatRule::Any), Msg::SmfHeader);
  EXPECT_EQ(failure({0x4D, 0x54, 0x68, 0x64}, FormatRule::Any), Msg::SmfHeader);
}

TEST(Header, SetsFormatAndTrackCountOnly) {
  Bytes image = header_chunk(0, 3);
  set_format_and_tracks(image, 1, 0x1234);
  Bytes expected = header_chunk(1, 0x1234);
  EXPECT_EQ(image, expected);
}

}  // namespace
}  // namespace scoretext::smf
