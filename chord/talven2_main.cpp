// talven2: chord names into score-text notes.
#include "chord/chord_expander.h"
#include "frontend/driver.h"
#include "frontend/note_writer.h"

int main(int argc, char** argv) {
  using namespace scoretext;
  ToolConfig config;
  config.usage = "talven2 0.1\ntalven in-file out-file\n";
  config.keep_raw_case = true;
  chord::ChordExpander expander;
  NoteWriter writer(expander);
  return run_text_tool(argc, argv, config, writer);
}
