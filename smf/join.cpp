#include "smf/join.h"

#include "smf/header.h"
#include "smf/size_limits.h"
#include "frontend/tool_error.h"

namespace scoretext::smf {

void join_headers(FileImage& first, const FileImage& second) {
  const long tracks = long{check_header(first.bytes(), FormatRule::Any)} +
                      check_header(second.bytes(), FormatRule::Any);
  if (division(first.bytes()) != division(second.bytes())) {
    throw ToolError::bare(Msg::SmfDivisionDiffers);
  }
  if (tracks > kMaxTrackCount) throw ToolError::bare(Msg::SmfTooManyTracks);
  if (first.size() + (second.size() - kHeaderBytes) > kMaxFileBytes) {
    throw ToolError::bare(Msg::SmfTooLarge);
  }
  set_format_and_tracks(first.bytes(), 1, static_cast<std::uint16_t>(tracks));
}

}  // namespace scoretext::smf
