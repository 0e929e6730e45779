// gessan: guitar tablature into score text.
#include "driver.h"
#include "note_writer.h"
#include "tablature_expander.h"

int main(int argc, char** argv) {
  using namespace scoretext;
  ToolConfig config;
  config.usage = "gessan 0.20\ngessan in-file out-file\n";
  config.keep_raw_case = true;
  TablatureExpander expander;
  NoteWriter writer(expander);
  return run_text_tool(argc, argv, config, writer);
}
