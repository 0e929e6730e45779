// The one statement loop of every tool that reads score text or a sung
// part.  Each statement goes through the macro step, is tokenized as the
// tool's ToolConfig says, and is offered to the tool's handlers by the
// first character of its first token (kStatementFamilies).
//
// How a tool plugs in:
//   1. Describe the tokens and the loop in a ToolConfig: quote rule, token
//      limit, and what an error shows (error_context).
//   2. Give a StatementHandler for each family it knows: settings ("S",
//      "!"), patterns ("P"), and the note statement, which gets every other
//      statement and whatever the other two decline.  A family left null
//      goes straight to the note statement.  Handlers keep their own state
//      and throw unplaced ToolErrors; `handler_of` wraps a lambda.
//   3. Call run_statements with a StatementReader and a MacroTable: the
//      first error comes back placed at its statement.
// The text tools bind their Run (run.h) instead: the front end's settings
// (settings.h, setting_table.h), its pattern blocks (pattern_blocks.h) and
// the tool's NoteStatementHandler.  vastrel gives its own SB and ST and its
// instrument statement (smf_part.h); sirenta its settings, its recorded
// patterns and its sung note (vocal_reader.h).  A compiler of score text
// builds a Run for the front end's checks and wraps recognise_setting and
// recognise_pattern_statement in handlers that also carry the statement
// out; its notes reuse the sung-note grammar and timing (sung_note.h) and
// sirenta's records; `rewrite` turns its written forms (such as "*C4" in a
// MIDI statement) into the ones the front end checks.
#pragma once

#include <array>
#include <cstdint>
#include <new>
#include <string>
#include <string_view>
#include <utility>

#include "frontend/macro_table.h"
#include "frontend/run.h"
#include "frontend/statement_reader.h"
#include "frontend/tokens.h"
#include "frontend/tool_config.h"
#include "frontend/tool_error.h"

namespace scoretext {

class StatementHandler {
 public:
  virtual ~StatementHandler() = default;
  // Takes the statement held by `tokens` (the position on its first token),
  // or declines it (false) with the position unchanged.
  virtual bool take(Tokens& tokens) = 0;
};

// A handler made of a callable `bool(Tokens&)`.
template <typename F>
class FunctionHandler final : public StatementHandler {
 public:
  explicit FunctionHandler(F f) : f_(std::move(f)) {}
  bool take(Tokens& tokens) override { return f_(tokens); }

 private:
  F f_;
};
template <typename F>
FunctionHandler<F> handler_of(F f) {
  return FunctionHandler<F>(std::move(f));
}

struct StatementHandlers {
  StatementHandler* settings = nullptr;
  StatementHandler* patterns = nullptr;
  // Must be set.  A statement it declines is Msg::Malformed.
  StatementHandler* notes = nullptr;
  // Optional: turns a statement, its macros expanded, into the form the
  // handlers read, before it is tokenized (`work` may hold the result).
  std::string_view (*rewrite)(std::string_view statement, std::string& work) = nullptr;
};

// Which handler a statement's first character selects.  Every keyword of
// the setting table, the MIDI statements and the pattern statements is
// checked against this table when the front end is compiled.
enum class StatementFamily : std::uint8_t { Note, Setting, Pattern };
inline constexpr std::array<StatementFamily, 256> kStatementFamilies = [] {
  std::array<StatementFamily, 256> families{};
  families[static_cast<unsigned char>('S')] = StatementFamily::Setting;
  families[static_cast<unsigned char>('!')] = StatementFamily::Setting;
  families[static_cast<unsigned char>('P')] = StatementFamily::Pattern;
  return families;
}();
constexpr StatementFamily statement_family(std::string_view keyword) {
  return keyword.empty() ? StatementFamily::Note : kStatementFamilies[static_cast<unsigned char>(keyword[0])];
}

// Runs to the end of the input; returns normally only when every statement
// was accepted.  Errors are thrown as ToolError, not yet placed.
void run_statement_loop(StatementReader& reader, MacroTable& macros, Tokens& tokens, const ToolConfig& config,
                        const StatementHandlers& handlers);

// The loop with every error placed at the statement that failed.
void run_statements(StatementReader& reader, MacroTable& macros, Tokens& tokens, const ToolConfig& config,
                    const StatementHandlers& handlers);

// A text tool's loop: its Run's state is reset and the front end's settings
// and patterns go before the tool's note statement.
void run_main_loop(StatementReader& reader, MacroTable& macros, Run& run);
void run_statements(StatementReader& reader, MacroTable& macros, Run& run);

// Runs `step` and places what it throws (a ToolError, or out of memory as
// Msg::OutOfMemory) at the reader's current statement.
template <typename Step>
void placed_at_statement(const StatementReader& reader, Step&& step) {
  try {
    step();
  } catch (const ToolError& e) {
    throw e.placed_at(reader.line_number(), reader.context());
  } catch (const std::bad_alloc&) {
    throw ToolError::at_statement(Msg::OutOfMemory, reader.line_number(), reader.context());
  }
}

}  // namespace scoretext
