// The note statement of a sung part, the statement that begins with a
// length ("14" .. "64..", score_tables.h):
//
//   length [")"] ["]2".."]9"] X                      a rest
//   length [")"] ["]2".."]9"]                        while a tie is pending:
//                                                    the tied note grows
//   length [")"] ["]2".."]9"] [delay or staccato] [&101..&200] note
//          [V0..V127] ["lyric[phonetic]"] [attribute and control tokens]
//
// A note appends, in order: a rest before it for a delay (DL..DL4; joined
// to the rest just before it when that rest came after the latest PS or PE),
// the note, the copies that its articulation code splits it into, and the
// rest after a staccato (S0..S8, or the SS default) when it is not empty.
// The pieces of a delay, a staccato or a split always add up to the length.
// Texts are UTF-8 (the line was converted as read), at most 20 bytes, and
// hold no control byte but the tab.
//
// Returns false (nothing changed) when the first token is no length; errors
// are thrown unplaced.
#pragma once

#include <cstdint>
#include <vector>

#include "vocal/part_state.h"
#include "frontend/tokens.h"

namespace scoretext::vocal {

bool take_note(Tokens& tokens, PartState& part);

// The lengths of the pieces that articulation code `code` (102..201) splits
// a note of `length` ticks into, the note's own first; they add up to
// `length`.  Codes from 122 on do not split.
std::vector<std::int64_t> articulation_pieces(int code, std::int64_t length);

}  // namespace scoretext::vocal
