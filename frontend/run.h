// The state of one run of a text tool that the recognisers share.
#pragma once

#include <array>
#include <bitset>

#include "frontend/limits.h"
#include "frontend/output.h"
#include "frontend/tokens.h"
#include "frontend/tool_config.h"

namespace scoretext {

struct Run;

// What a tool does with a note statement, the statement that no keyword
// recogniser claims.  It never declines.
class NoteStatementHandler {
 public:
  virtual ~NoteStatementHandler() = default;
  // Checks and writes the note statement held by the run's tokens.
  virtual void handle(Run& run) = 0;
  // Forgets the note state carried from one note statement to the next.
  virtual void reset() = 0;
};

// Pattern blocks: which numbers are defined, which block is open.
struct PatternState {
  std::bitset<limits::kPatterns> defined;
  int open = -1;
  bool is_open() const { return open >= 0; }
};

// Per-letter states of the setting statements, letters C D E F G A B.
struct LetterStates {
  std::array<bool, 7> natural{};
  std::array<bool, 7> accidental{};
};

struct Run {
  Run(const ToolConfig& cfg, Output& output, NoteStatementHandler& handler)
      : config(cfg), out(output), notes(handler) {}

  const ToolConfig& config;
  Output& out;
  NoteStatementHandler& notes;
  Tokens tokens;
  bool pending_tie = false;
  PatternState patterns;
  LetterStates letters;

  void reset_note_state() { notes.reset(); }
  // The tie check of the statements that carry it.
  void check_tie() const;
  // The extra-token check that ends every accepted statement.
  void check_no_more_tokens() const;
};

}  // namespace scoretext
