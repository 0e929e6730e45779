#include "score/smf_file.h"

#include <algorithm>

#include "frontend/tool_error.h"
#include "smf/chunk_layout.h"

namespace scoretext::score {
namespace {

constexpr std::uint16_t kFormat = 1;
constexpr std::uint16_t kDivision = 480;
constexpr int kTrackNameMeta = 0x03;

}  // namespace

std::string build_smf(const std::vector<PartTrack>& tracks) {
  if (tracks.size() > 0xffff) throw ToolError(Msg::OutputOverflow);
  // Room for the file as the events' least sizes foretell it, and a quarter
  // more for the longer delta times.
  std::uint64_t least = 0;
  for (const PartTrack& t : tracks) least += t.track->least_bytes() + t.name.size() + 16;
  std::string out;
  out.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(least + least / 4, kLargestFile + 1)));
  smf::append_header_chunk(out, kFormat, static_cast<std::uint16_t>(tracks.size()), kDivision);
  for (const PartTrack& t : tracks) {
    const std::size_t chunk_start = out.size();
    smf::append_chunk_header(out, smf::kTrackType, 0);
    if (!t.name.empty()) {
      out += '\0';
      out += '\xFF';
      out += static_cast<char>(kTrackNameMeta);
      append_delta(out, static_cast<std::int64_t>(t.name.size()));
      out += t.name;
    }
    t.track->write(out, t.end_tick, kLargestFile);
    smf::set_chunk_length(out, chunk_start);
  }
  return out;
}

}  // namespace scoretext::score
