// quendro: a drum part into score text.  Each instrument of drumdef.txt is
// written as the note it plays.
#include <memory>

#include "drum/drum_statement.h"
#include "drum/drumdef.h"
#include "frontend/driver.h"

int main(int argc, char** argv) {
  using namespace scoretext;
  ToolConfig config;
  config.usage = "quendro 0.20\nquendro in-file out-file\n";
  config.token_refused = limits::kTokenRefusedLong;
  config.accidental_settings = false;
  config.midi_cc_list = false;
  // Drum statements have no tie, so nothing waits for a tie continuation.
  config.tie_checks = false;
  config.bad_length = Msg::BadLength;

  drum::DrumKit kit;
  drum::DrumStatementWriter writer(kit);
  // drumdef.txt stays open until the out-file is checked against it: the
  // map is an input and is never overwritten.
  return run_text_tool(argc, argv, config, writer, [&kit] {
    auto drum_file = std::make_unique<InputFile>(drum::kDrumFileName);
    kit = drum::read_drum_file(*drum_file);
    return drum_file;
  });
}
