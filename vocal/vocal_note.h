// The note statement of a sung part, the statement that begins with a
// length ("14" .. "64..", score_tables.h), read with the grammar of
// sung_note.h as sirenta reads it (kSirentaDialect):
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

#include "frontend/tokens.h"
#include "vocal/part_state.h"
#include "vocal/sung_note.h"

namespace scoretext::vocal {

bool take_note(Tokens& tokens, PartState& part);

}  // namespace scoretext::vocal
