// Reading a sung part (sirenta's notation) into its track: the part is read
// and checked exactly as sirenta reads it, then placed in time without the
// beat snap (which only aligns a VSQX file's notes).
//
//   note           note on at its tick with its velocity, note off at its
//                  end; its lyric as a lyric event (FF 05) at its start, on
//                  the first note of an articulation split only, in the
//                  part's own encoding (Shift_JIS, or UTF-8 for a UTF-8
//                  part); a note without a lyric (sirenta's placeholder
//                  "a" is no word) or with an empty one has none
//   DYN            expression (CC 11), PIT pitch bend, PBS the pitch-bend
//                  sensitivity (RPN 0: CC 101 0, CC 100 0, CC 6), each
//                  value at the tick where sirenta places it
//   SB, ST, SK     time signature, tempo and key signature into the
//                  conductor, at the tick where the statement stands
//
// The other attributes and curves, SV, SL1 and SL2 have no effect.
#pragma once

#include <string>

#include "frontend/statement_reader.h"
#include "score/part_track.h"

namespace scoretext::score {

// `utf8`: the part is written in UTF-8 (its lyrics are written so).
void read_vocal_part(StatementReader& reader, int channel, bool utf8, PartTrackData& part);

// True when `text` is valid UTF-8 (ASCII included).
bool is_utf8(std::string_view text);

}  // namespace scoretext::score
