// nolwen: a lyric file and a melody in score text into a vocal part, one
// lyric entry on each sung note.
#include <optional>

#include "frontend/driver.h"
#include "frontend/macro_table.h"
#include "frontend/main_loop.h"
#include "frontend/statement_reader.h"
#include "lyric/lyric_file.h"
#include "lyric/lyric_notes.h"

namespace {

constexpr std::string_view kUsage = "nolwen 0.11\nnolwen lyric-file in-file out-file\n";

scoretext::ToolConfig nolwen_config() {
  scoretext::ToolConfig config;
  config.usage = kUsage;
  config.file_arguments = 3;
  // A quoted lyric may hold blanks and keeps its case; 999 characters, the
  // closing quote not counted.
  config.quote_aware = true;
  config.closing_quote_free = true;
  config.token_refused = scoretext::limits::kTokenRefusedLong;
  config.accidental_settings = false;
  config.midi_statements = false;
  return config;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace scoretext;
  const ToolConfig config = nolwen_config();
  return run_program(argc, argv, config.usage, config.file_arguments, [&](const FileArguments& files) {
    // The lyric file is closed once the out-file has been checked against
    // it: an out-file naming either input is refused before it is truncated.
    std::optional<InputFile> lyric_file(std::in_place, files[0]);
    const lyric::LyricTable lyrics = lyric::read_lyric_file(*lyric_file);
    const InputFile in(files[1]);
    TextOutputFile out_file(files[2], {&*lyric_file, &in});
    lyric_file.reset();
    Output& out = out_file.open();
    StatementReader reader(in);
    MacroTable macros;
    lyric::LyricNotes notes(lyrics);
    Run run(config, out, notes);
    run_statements(reader, macros, run);
    out_file.close();
  });
}
