#include "smf/belvar.h"

#include <algorithm>
#include <optional>

#include "frontend/tool_error.h"
#include "smf/arguments.h"
#include "smf/header.h"
#include "smf/input_stream.h"
#include "smf/pending_output.h"
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

  InputStream input(args[0]);
  std::optional<PendingOutput> output;
  walk_with_listing(input, console, [&](Console& listing) {
    const int track_count = check_header(input.window(0, kHeaderBytes), FormatRule::Format1Only);
    listing.track_count(track_count);
    TrackCopy copy;
    std::array<std::uint8_t, kHeaderBytes> header{};
    if (extract) {
      header = single_track_header(input.window(0, kHeaderBytes));
      output.emplace(args[2]);
      copy = {static_cast<std::size_t>(*wanted), &*output, header};
    }
    list_tracks(input, track_count, listing, copy);
    if (extract && static_cast<std::size_t>(*wanted) >= static_cast<std::size_t>(track_count)) {
      throw ToolError::bare(Msg::SmfBadTrack);
    }
    input.finish();
  });
  if (output) output->commit();
}

}  // namespace scoretext::smf
