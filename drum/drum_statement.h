// The drum note statement of quendro: a length, an optional "&01".."&200",
// then the rest mark "X" or one to eight instruments of the drum kit, each
// with an optional velocity.  Each instrument is written as the note the kit
// gives it, so the output is plain score text.
#pragma once

#include <string>

#include "drum/drumdef.h"
#include "frontend/note_text.h"
#include "frontend/run.h"

namespace scoretext::drum {

// Most instrument groups in one drum statement.
inline constexpr int kGroupsPerStatement = limits::kNotesPerStatement;

class DrumStatementWriter : public NoteStatementHandler {
 public:
  explicit DrumStatementWriter(const DrumKit& kit) : kit_(kit) {}

  // Writes "<length> <group> \n"; the length and its blank are written
  // before the group is checked, so a failing group leaves them behind.
  void handle(Run& run) override;
  // Forgets the length, the group and the saved group.
  void reset() override;

  const NoteText& saved_group() const { return saved_; }

 private:
  // Builds group_ from the tokens after the length group.
  void read_group(Tokens& tokens, bool articulation);

  const DrumKit& kit_;
  NoteText length_;
  NoteText group_;
  NoteText saved_;
};

}  // namespace scoretext::drum
