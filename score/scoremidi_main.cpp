// scoremidi: parts of a song in score text (and a sung part) into one
// Standard MIDI File, one track per part.  Every part is read and the whole
// file laid out before anything is written; the file is then written beside
// out-file and renamed over it, so a failed run leaves no out-file and an
// existing one as it was.
#include "frontend/driver.h"
#include "frontend/files.h"
#include "score/command_line.h"
#include "score/song.h"

namespace {

using namespace scoretext;

void compile(const FileArguments& args) {
  std::vector<std::string> words;
  for (std::size_t i = 0; i < args.size(); ++i) words.push_back(args[i]);
  const score::CommandLine line = score::parse_command_line(words);
  const std::string image = score::compile_song(line);
  write_file_atomically(line.out_file, {image});
}

}  // namespace

int main(int argc, char** argv) {
  // Any number of arguments: the command line is checked by the body.
  return run_program(argc, argv, score::kUsage, argc - 1, compile);
}
