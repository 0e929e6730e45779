#include "smf/join.h"

#include "smf/header.h"
#include "smf/size_limits.h"
#include "frontend/tool_error.h"

namespace scoretext::smf {

void join_headers(std::span<std::uint8_t> first, std::size_t first_size,
                  std::span<const std::uint8_t> second, std::size_t second_size) {
  const long tracks = long{check_header(first, FormatRule::Any)} +
                      check_header(second, FormatRule::Any);
  if (division(first) != division(second)) throw ToolError::bare(Msg::SmfDivisionDiffers);
  if (tracks > kMaxTrackCount) throw ToolError::bare(Msg::SmfTooManyTracks);
  if (first_size + (second_size - kHeaderBytes) > kMaxFileBytes) {
    throw ToolError::bare(Msg::SmfTooLarge);
  }
  set_format_and_tracks(first, 1, static_cast<std::uint16_t>(tracks));
}

}  // namespace scoretext::smf
