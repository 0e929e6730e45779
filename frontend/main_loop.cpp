#include "frontend/main_loop.h"

#include "frontend/pattern_blocks.h"
#include "frontend/setting_table.h"
#include "frontend/settings.h"
#include "frontend/tool_error.h"

namespace scoretext {

namespace {

// Every keyword reaches the handler that knows it.
constexpr bool every_keyword_dispatched() {
  for (const SettingKeyword& s : kSettingKeywords) {
    if (statement_family(s.keyword) != StatementFamily::Setting) return false;
  }
  for (const std::string_view keyword : kPatternKeywords) {
    if (statement_family(keyword) != StatementFamily::Pattern) return false;
  }
  // MIDI statements all begin with "!".
  return statement_family("!") == StatementFamily::Setting;
}
static_assert(every_keyword_dispatched(), "a keyword's first character is missing from kStatementFamilies");

StatementHandler* handler_for(const StatementHandlers& handlers, std::string_view keyword) {
  switch (statement_family(keyword)) {
    case StatementFamily::Setting:
      return handlers.settings;
    case StatementFamily::Pattern:
      return handlers.patterns;
    default:
      return nullptr;
  }
}

}  // namespace

void run_statement_loop(StatementReader& reader, MacroTable& macros, Tokens& tokens, const ToolConfig& config,
                        const StatementHandlers& handlers) {
  const bool whole_line = config.error_context == ErrorContext::LineAsRead;
  std::string_view statement;
  std::string work;
  while (reader.next(statement)) {
    reader.set_context(whole_line ? reader.line_as_read() : statement);
    if (macros.step(statement, reader.has_equals())) continue;
    if (handlers.rewrite != nullptr) statement = handlers.rewrite(statement, work);
    tokens.tokenize(statement, config);
    if (tokens.empty()) throw ToolError(Msg::Malformed);
    StatementHandler* first = handler_for(handlers, tokens.at(0));
    if (first != nullptr && first->take(tokens)) continue;
    if (!handlers.notes->take(tokens)) throw ToolError(Msg::Malformed);
  }
}

void run_statements(StatementReader& reader, MacroTable& macros, Tokens& tokens, const ToolConfig& config,
                    const StatementHandlers& handlers) {
  placed_at_statement(reader, [&] { run_statement_loop(reader, macros, tokens, config, handlers); });
}

void run_main_loop(StatementReader& reader, MacroTable& macros, Run& run) {
  run.pending_tie = false;
  run.patterns = PatternState{};
  run.reset_note_state();
  auto settings = handler_of([&](Tokens&) { return recognise_setting(run); });
  auto patterns = handler_of([&](Tokens&) { return recognise_pattern_statement(run); });
  auto notes = handler_of([&](Tokens&) {
    run.notes.handle(run);
    return true;
  });
  run_statement_loop(reader, macros, run.tokens, run.config, {&settings, &patterns, &notes});
}

void run_statements(StatementReader& reader, MacroTable& macros, Run& run) {
  placed_at_statement(reader, [&] { run_main_loop(reader, macros, run); });
}

}  // namespace scoretext
