// gessan: guitar tablature into score text.
#include "frontend/driver.h"
#include "frontend/note_writer.h"
#include "tab/tablature_expander.h"

int main(int argc, char** argv) {
  using namespace scoretext;
  using namespace scoretext::tab;
  ToolConfig config;
  config.usage = "gessan 0.20\ngessan in-file out-file\n";
  config.keep_raw_case = true;
  TablatureExpander expander;
  NoteWriter writer(expander);
  return run_text_tool(argc, argv, config, writer);
}
