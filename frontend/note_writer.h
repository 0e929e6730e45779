// The note statement: a length group, then what sounds in the tool's own
// notation, which the tool's expander turns into the note group.  The writer
// owns what every tool shares: the tie across statements, the reuse of the
// previous statement's notes and the rest mark "X".
#pragma once

#include <string>

#include "frontend/length_group.h"
#include "frontend/run.h"

namespace scoretext {

// Turns what follows the length group into the note group.
class Expander {
 public:
  virtual ~Expander() = default;
  // The token position is on the first token after the length group.  Fills
  // `group` (empty when the statement names nothing, "X" for a rest) and
  // advances past every token used; the writer reports what is left.
  virtual void expand(Tokens& tokens, const LengthGroup& length, NoteText& group) = 0;
};

class NoteWriter : public NoteStatementHandler {
 public:
  explicit NoteWriter(Expander& expander) : expander_(expander) {}

  void handle(Run& run) override;
  void reset() override;

  const NoteText& saved_group() const { return saved_; }

 protected:
  // The steps every writer shares: the length group and the tie, then the
  // expander and the choice of group.  False for a tie continuation, which
  // is written already; otherwise the statement's group is saved_group().
  bool take_group(Run& run, Msg none_saved);
  // A rest may carry no articulation and nothing after it.
  void check_rest(const Run& run) const;

  LengthGroup length_;
  NoteText saved_;

 private:
  // Parses the length group and handles the tie; false for a tie
  // continuation, which is written already.
  bool begin(Run& run);
  // Makes the expander's group the saved group, or keeps the saved group
  // when the expander's is empty.
  void choose_group(Msg none_saved);

  Expander& expander_;
  NoteText group_;  // the expander's group, before the choice
};

}  // namespace scoretext
