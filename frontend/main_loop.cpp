#include "frontend/main_loop.h"

#include "frontend/pattern_blocks.h"
#include "frontend/settings.h"
#include "frontend/tool_error.h"

namespace scoretext {

void run_main_loop(StatementReader& reader, MacroTable& macros, Run& run) {
  run.pending_tie = false;
  run.patterns = PatternState{};
  run.reset_note_state();
  std::string_view statement;
  while (reader.next(statement)) {
    reader.set_context(statement);
    if (macros.step(statement, reader.has_equals())) continue;
    run.tokens.tokenize(statement, run.config);
    if (run.tokens.empty()) throw ToolError(Msg::Malformed);
    // A recogniser that declines leaves the position on the first token.
    // Each keyword family has its own first character (settings "S", MIDI
    // statements "!", patterns "P"), so a statement is offered only to the
    // recognisers that could take it; the others would decline it unseen.
    const char first = run.tokens.at(0).front();
    if (first == 'S' || first == '!') {
      if (recognise_setting(run)) continue;
    } else if (first == 'P') {
      if (recognise_pattern_statement(run)) continue;
    }
    run.notes.handle(run);
  }
}

void run_statements(StatementReader& reader, MacroTable& macros, Run& run) {
  placed_at_statement(reader, [&] { run_main_loop(reader, macros, run); });
}

}  // namespace scoretext
