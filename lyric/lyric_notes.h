// nolwen's note statement: one sung note (or a rest, or a tie continuation)
// that takes the next lyric entry, read with the grammar of sung_note.h as
// nolwen reads it (kLyricDialect: the tie ends the length group, any token
// beginning with "V" after the note is its velocity).
//
//   length [")" | "]2".."]9"] [articulation]   the length group; a tie ends it
//   X                                           a rest: no entry taken
//   note [Vn] ["lyric"] [attributes...]         a note: the next entry
//
// The line written is the length group, then two blanks and the note (with
// its velocity), then a blank and the entry in double quotes when there is
// one left, then two blanks and the attribute and control tokens, each kept
// upper-cased.  The input's own lyric token and its LY"..." and PH"..."
// tokens are dropped: the entry takes their place.  A tie continuation is
// its length group alone.
#pragma once

#include <cstddef>
#include <string>

#include "frontend/run.h"
#include "lyric/lyric_file.h"

namespace scoretext::lyric {

class LyricNotes : public NoteStatementHandler {
 public:
  explicit LyricNotes(const LyricTable& lyrics) : lyrics_(lyrics) {}

  void handle(Run& run) override;
  // Each statement builds its line afresh: nothing is carried over.
  void reset() override {}

 private:
  void note(Tokens& tokens);
  void attributes(Tokens& tokens, bool velocity_given);

  const LyricTable& lyrics_;
  std::size_t next_entry_ = 0;
  std::string line_;
};

}  // namespace scoretext::lyric
