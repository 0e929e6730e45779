#include "frontend/pattern_blocks.h"

#include "frontend/signed_number.h"
#include "frontend/tool_error.h"

namespace scoretext {

namespace {

// Reads and writes the pattern number; returns it.
int pattern_number(Run& run, int lowest) {
  run.tokens.advance();
  const std::string_view token = run.tokens.current();
  const std::int32_t n = parse_signed(token);
  if (n < lowest || n >= limits::kPatterns) throw ToolError(Msg::PatternRange);
  return n;
}

void finish_number_line(Run& run) {
  run.out.write(run.tokens.current());
  run.out.put('\n');
  run.tokens.advance();
  run.check_no_more_tokens();
}

}  // namespace

bool recognise_pattern_start(Run& run) {
  if (run.tokens.current() != "PS") return false;
  run.check_tie();
  if (run.patterns.is_open()) throw ToolError(Msg::InsidePattern);
  run.out.write("PS ");
  const int n = pattern_number(run, 0);
  run.patterns.open = n;
  if (run.patterns.defined[n]) throw ToolError(Msg::PatternTwice);
  run.patterns.defined[n] = true;
  finish_number_line(run);
  run.reset_note_state();
  return true;
}

bool recognise_pattern_end(Run& run) {
  if (run.tokens.current() != "PE") return false;
  run.check_tie();
  if (!run.patterns.is_open()) throw ToolError(Msg::NoPS);
  run.out.write("PE\n");
  run.tokens.advance();
  run.check_no_more_tokens();
  run.patterns.open = -1;
  run.reset_note_state();
  return true;
}

bool recognise_pattern_replay(Run& run) {
  if (run.tokens.current() != "PR") return false;
  run.check_tie();
  if (run.patterns.is_open()) throw ToolError(Msg::InsidePattern);
  run.out.write("PR ");
  pattern_number(run, 1);
  finish_number_line(run);
  run.reset_note_state();
  return true;
}

bool recognise_pattern_statement(Run& run) {
  return recognise_pattern_start(run) || recognise_pattern_end(run) || recognise_pattern_replay(run);
}

}  // namespace scoretext
