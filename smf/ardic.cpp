#include "smf/ardic.h"

#include "frontend/files.h"
#include "frontend/tool_error.h"
#include "smf/arguments.h"
#include "smf/file_image.h"
#include "smf/header.h"
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

  FileImage image = load_file(args[0]);
  const int track_count = check_header(image.bytes(), FormatRule::Format1Only);
  console.track_count(track_count);
  transpose_tracks(image.bytes(), track_count, *semitones, console);
  // The input is wholly in memory before the output is written, so the
  // output may be the input file itself.
  write_file_atomically(args[2], {as_chars(image.bytes())});
}

}  // namespace scoretext::smf
