#include "score/song.h"

#include <algorithm>
#include <memory>
#include <sys/stat.h>
#include <vector>

#include "frontend/files.h"
#include "frontend/statement_reader.h"
#include "score/conductor.h"
#include "score/part_track.h"
#include "score/score_part.h"
#include "score/smf_file.h"
#include "score/vocal_part.h"

namespace scoretext::score {
namespace {

// The whole file, to tell its encoding before it is read as statements.
std::string file_text(const InputFile& file) {
  std::string text;
  char buffer[1 << 16];
  long n;
  while ((n = read_some(file.fd(), buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(n));
  if (n < 0) throw ToolError::open_error(file.name());
  return text;
}

// A part of score text makes about one event for every four bytes (a note
// "*C3 V80 " makes two); its track is given room for them at once.
constexpr std::size_t kBytesPerEvent = 4;
constexpr std::size_t kMostEventsForeseen = 1 << 26;

std::size_t file_size(const InputFile& file) {
  struct stat st {};
  return ::fstat(file.fd(), &st) == 0 && st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0;
}

void read_part(const PartArgument& arg, PartTrackData& part) {
  const InputFile in(arg.path);
  part.track.reserve(std::min(file_size(in) / kBytesPerEvent, kMostEventsForeseen));
  if (!arg.vocal) {
    StatementReader reader(in);
    read_score_part(reader, arg.channel, part);
    return;
  }
  const std::string text = file_text(in);
  StatementReader reader{std::string_view(text)};
  read_vocal_part(reader, arg.channel, is_utf8(text), part);
}

}  // namespace

std::string base_name(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string compile_song(const CommandLine& line) {
  const bool several = line.parts.size() > 1;
  std::vector<std::unique_ptr<PartTrackData>> parts;
  std::vector<PartSettings> settings;
  for (const PartArgument& arg : line.parts) {
    parts.push_back(std::make_unique<PartTrackData>());
    try {
      read_part(arg, *parts.back());
    } catch (const ToolError& e) {
      throw with_file_name(e, arg.path, several);
    }
    settings.push_back({&parts.back()->conductor, &arg.path});
  }
  Track conductor = merge_conductor(settings, several);
  // The conductor ends with its last event, each part where it ends.
  std::vector<PartTrack> tracks{{"", &conductor, 0}};
  for (std::size_t i = 0; i < parts.size(); ++i)
    tracks.push_back({base_name(line.parts[i].path), &parts[i]->track, parts[i]->end_tick});
  return build_smf(tracks);
}

}  // namespace scoretext::score
