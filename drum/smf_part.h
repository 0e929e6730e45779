// vastrel's drum part: one tempo (ST), one time signature (SB), and
// instrument statements, each naming one instrument of the kit and listing
// its steps.  A step is a length ("1" to "32..", plain, dotted or double-
// dotted), an optional tuplet "]2".."]32" that divides it, and then "X" (a
// rest), "V<n>" (a hit at that velocity with a note-off 15 ticks later) or
// nothing (a hit at velocity 64, no note-off).  Every instrument keeps its
// own running time, continued from one of its statements to the next.
//
// read_smf_part runs the statements of the input through the front end's
// statement loop (main_loop.h), with the part's own SB and ST as its
// settings, no patterns, and the instrument statement for every other
// statement; the first fault is thrown placed at its statement.  SmfPart::image then makes the SMF (ST missing, then SB
// missing, then the limits of the image), throwing unplaced.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "drum/drumdef.h"
#include "drum/smf_image.h"
#include "frontend/statement_reader.h"
#include "frontend/tokens.h"
#include "frontend/tool_config.h"

namespace scoretext::drum {

// Hits without a velocity token, and how long after a velocity hit its
// note-off comes.
inline constexpr int kPlainVelocity = 64;
inline constexpr int kNoteOffAfter = 15;

// The tokenizer's settings for vastrel's statements.
ToolConfig smf_part_config();

class SmfPart {
 public:
  explicit SmfPart(const DrumKit& kit) : kit_(kit), running_(kit.size(), 0) {}

  // SB or ST (false for any other statement), and an instrument statement;
  // the tokens upper-cased, not empty.  Both throw unplaced.
  bool setting(Tokens& tokens);
  void instrument(Tokens& tokens);
  // After the whole input: the file, or the first of Msg::StSetting,
  // Msg::SbSetting and the image's limits.
  std::string image() const;

  const EventList& events() const { return events_; }
  std::int64_t running_time(std::size_t instrument) const { return running_[instrument]; }

 private:
  void time_signature(Tokens& tokens);
  void tempo(Tokens& tokens);
  void step(Tokens& tokens, std::size_t instrument);

  const DrumKit& kit_;
  std::vector<std::int64_t> running_;  // per instrument, in ticks
  bool tempo_given_ = false;
  bool signature_given_ = false;
  SmfSettings settings_;
  EventList events_;
};

// Reads every statement of `reader` into `part`.
void read_smf_part(StatementReader& reader, SmfPart& part);

}  // namespace scoretext::drum
