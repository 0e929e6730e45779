// morrik: a melody of absolute note names into score text.
#include "frontend/driver.h"
#include "melody/melody_notes.h"

int main(int argc, char** argv) {
  using namespace scoretext;
  using namespace scoretext::melody;
  ToolConfig config;
  config.usage = "morrik 0.61\nmorrik in-file out-file\n";
  // A quoted comment may hold blanks and keeps its case; any token, quotes
  // included, may hold 999 characters.
  config.quote_aware = true;
  config.token_refused = limits::kTokenRefusedLong;
  config.bad_length = Msg::BadLength;
  MelodyNotes notes;
  MelodyWriter writer(notes);
  return run_text_tool(argc, argv, config, writer);
}
