#include "smf/header.h"

#include <algorithm>
#include <array>

#include "smf/byte_order.h"
#include "smf/chunk_layout.h"
#include "smf/size_limits.h"
#include "frontend/tool_error.h"

namespace scoretext::smf {

namespace {

// "MThd", a length of 6, and the high byte of the format, which is always 0.
constexpr std::array<std::uint8_t, 9> kHeaderStart = {
    kHeaderType[0], kHeaderType[1], kHeaderType[2], kHeaderType[3], 0, 0, 0, kHeaderLength, 0};
constexpr std::size_t kFormatLow = kFormatAt + 1;

}  // namespace

int check_header(std::span<const std::uint8_t> image, FormatRule rule) {
  if (image.size() < kHeaderBytes ||
      !std::equal(kHeaderStart.begin(), kHeaderStart.end(), image.begin())) {
    throw ToolError::bare(Msg::SmfHeader);
  }
  if (rule == FormatRule::Format1Only && image[kFormatLow] != 1) {
    throw ToolError::bare(Msg::SmfNotFormat1);
  }
  return read_be16(image, kTrackCountAt);
}

std::uint16_t division(std::span<const std::uint8_t> image) {
  return read_be16(image, kDivisionAt);
}

void set_format_and_tracks(std::span<std::uint8_t> image, std::uint8_t format,
                           std::uint16_t track_count) {
  image[kFormatLow] = format;
  write_be16(image, kTrackCountAt, track_count);
}

}  // namespace scoretext::smf
