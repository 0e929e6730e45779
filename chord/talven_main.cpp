// talven: chord names checked against the older vocabulary and written as
// they stand.
#include "frontend/driver.h"
#include "chord/older_chord.h"

int main(int argc, char** argv) {
  using namespace scoretext;
  ToolConfig config;
  config.usage = "talven 0.61\ntalven in-file out-file\n";
  config.keep_raw_case = true;
  config.accidental_settings = false;
  config.midi_cc_list = false;
  chord::OlderChordChecker checker;
  chord::OlderChordWriter writer(checker);
  return run_text_tool(argc, argv, config, writer);
}
