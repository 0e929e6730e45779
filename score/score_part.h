// Reading a part in score text, as talven2, talven, morrik, gessan and
// quendro write it, into its track and its conductor settings.
//
// Every statement is first checked as the front end checks it (macros,
// settings, MIDI statements, patterns, the length group), with its
// messages; then it is carried out at the part's current tick:
//
//   note statement  "*" notes, each with its velocity (V.., else 64), chord
//                   names as talven writes them (a velocity after a chord
//                   reaches all its notes), "X" for a rest, and a quoted
//                   comment after the notes (a text event).  A statement of
//                   a length alone repeats the last notes.  The tie ")"
//                   lengthens every note of the statement by the next
//                   statement's length.
//   SB, ST, SK      time signature, tempo, key into the conductor (ST 1..3
//                   and above 60,000,000 are Msg::RangeExceeded)
//   SC, SS          transposition of every later pitch; staccato default
//   MIDI statements their messages on the part's channel (midi_messages.h)
//   PS, PE, PR      a pattern's events recorded and replayed; PR of a
//                   pattern not yet defined is Msg::PatternUndefined
//
// The part goes through the front end's statement loop (main_loop.h) with
// three handlers: the front end's settings and MIDI statements, then its
// patterns, each checked and written as the text tools write them and then
// carried out from that checked form; and the note statement of this file.
// Errors are thrown placed at the statement.
#pragma once

#include "frontend/statement_reader.h"
#include "score/part_track.h"

namespace scoretext::score {

void read_score_part(StatementReader& reader, int channel, PartTrackData& part);

}  // namespace scoretext::score
