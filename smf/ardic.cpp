#include "smf/ardic.h"

#include <optional>

#include "frontend/tool_error.h"
#include "smf/arguments.h"
#include "smf/header.h"
#include "smf/input_stream.h"
#include "smf/pending_output.h"
#include "smf/size_limits.h"
#include "smf/transpose.h"

namespace scoretext::smf {

namespace {

constexpr const char* kUsage = "ardic in_file n outfile\n";
// A malformed n is answered with this line, which names the argument trk;
// it is kept as the tool's users know it.
constexpr const char* kBadShift = "ardic in_file trk outfile\n";

}  // namespace

void run_ardic(const std::vector<std::string>& args, Console& console) {
  if (args.size() != 3) throw ToolError::usage(kUsage);
  const auto semitones = parse_shift(args[1]);
  if (!semitones) throw ToolError::usage(kBadShift);

  InputStream input(args[0]);
  // The output is written as the input is walked, into a file beside the
  // out-file; it replaces the out-file only when everything has succeeded,
  // so the output may be the input file itself.
  std::optional<PendingOutput> output;
  walk_with_listing(input, console, [&](Console& listing) {
    const int track_count = check_header(input.window(0, kHeaderBytes), FormatRule::Format1Only);
    listing.track_count(track_count);
    output.emplace(args[2]);
    input.hand_on(*output, 0, input.size());
    transpose_tracks(input, track_count, *semitones, listing);
    input.finish();
  });
  output->commit();
}

}  // namespace scoretext::smf
