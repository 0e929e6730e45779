#include "score/smf_file.h"

#include <algorithm>

#include "frontend/tool_error.h"

namespace scoretext::score {
namespace {

constexpr int kDivision = 480;
constexpr int kTrackNameMeta = 0x03;
constexpr std::size_t kLengthField = 4;

void append_u32(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xff);
}

void append_u16(std::string& out, std::uint32_t v) {
  out += static_cast<char>((v >> 8) & 0xff);
  out += static_cast<char>(v & 0xff);
}

}  // namespace

std::string build_smf(const std::vector<PartTrack>& tracks) {
  if (tracks.size() > 0xffff) throw ToolError(Msg::OutputOverflow);
  // Room for the file as the events' least sizes foretell it, and a quarter
  // more for the longer delta times.
  std::uint64_t least = 0;
  for (const PartTrack& t : tracks) least += t.track->least_bytes() + t.name.size() + 16;
  std::string out;
  out.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(least + least / 4, kLargestFile + 1)));
  out = "MThd";
  append_u32(out, 6);
  append_u16(out, 1);
  append_u16(out, static_cast<std::uint32_t>(tracks.size()));
  append_u16(out, kDivision);
  for (const PartTrack& t : tracks) {
    out += "MTrk";
    const std::size_t length_at = out.size();
    append_u32(out, 0);
    if (!t.name.empty()) {
      out += '\0';
      out += '\xFF';
      out += static_cast<char>(kTrackNameMeta);
      append_delta(out, static_cast<std::int64_t>(t.name.size()));
      out += t.name;
    }
    t.track->write(out, t.end_tick, kLargestFile);
    const std::size_t length = out.size() - length_at - kLengthField;
    for (std::size_t i = 0; i < kLengthField; ++i)
      out[length_at + i] = static_cast<char>((length >> (8 * (kLengthField - 1 - i))) & 0xff);
  }
  return out;
}

}  // namespace scoretext::score
