#include "smf/belvar.h"

#include <algorithm>
#include <optional>

#include "frontend/files.h"
#include "frontend/tool_error.h"
#include "smf/arguments.h"
#include "smf/file_image.h"
#include "smf/header.h"
#include "smf/track_table.h"

namespace scoretext::smf {

namespace {

constexpr const char* kUsage = "belvar in_file or belvar in_file trk outfile\n";
constexpr const char* kBadTrack = "belvar in_file trk outfile\n";

}  // namespace

std::array<std::uint8_t, kHeaderBytes> single_track_header(std::span<const std::uint8_t> image) {
  std::array<std::uint8_t, kHeaderBytes> header{};
  std::copy_n(image.begin(), kHeaderBytes, header.begin());
  set_format_and_tracks(header, 0, 1);
  return header;
}

void run_belvar(const std::vector<std::string>& args, Console& console) {
  if (args.size() != 1 && args.size() != 3) throw ToolError::usage(kUsage);
  const bool extract = args.size() == 3;
  std::optional<std::int32_t> wanted;
  if (extract) {
    wanted = parse_track_number(args[1]);
    if (!wanted) throw ToolError::usage(kBadTrack);
  }

  const FileImage image = load_file(args[0]);
  const int track_count = check_header(image.bytes(), FormatRule::Format1Only);
  console.track_count(track_count);
  const auto tracks = list_tracks(image.bytes(), track_count, console);
  if (!extract) return;

  const auto index = static_cast<std::size_t>(*wanted);
  if (index >= tracks.size()) throw ToolError::bare(Msg::SmfBadTrack);
  const auto header = single_track_header(image.bytes());
  const auto track = image.bytes().subspan(tracks[index].offset, tracks[index].chunk_size());
  write_file_atomically(args[2], {as_chars(header), as_chars(track)});
}

}  // namespace scoretext::smf
