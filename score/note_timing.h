// When the notes of one note statement sound, from its length group: the
// length in ticks (a length token divided by its bracket), and the delay,
// staccato or articulation code that shapes it.
//
//   DL, DL1..DL4   the notes start f/4, f/8, f/16, f/32 late and end with f
//   S, S0..S8      the notes end early
//   &101..&120     the notes are split into repeated notes
// (the delays, staccato and splits of sung notes, vocal/sung_note.h; the
// pieces add up to f)
//   &121..&200     the notes sound whole; no staccato default applies
//   &01..&100      without effect: the staccato default applies
//   none           the staccato default (SS 1..8 acts as S1..S8), unless
//                  the notes are tied
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace scoretext::score {

// One sounding of the statement's notes: its start after the statement's
// start, and its length.
struct Piece {
  std::int64_t start;
  std::int64_t length;
};

// The length of a note statement: `length` a length token, `bracket` a
// bracket token "]2".."]9" or empty.
std::int64_t statement_ticks(std::string_view length, std::string_view bracket);

// The pieces of a statement of f ticks.  `articulation`: the token or empty.
std::vector<Piece> note_pieces(std::int64_t f, std::string_view articulation, int staccato_default, bool tied);

// A tie continuation of f ticks: how long the tied notes still sound in it
// (f, or less under a staccato token; a delay or a code has no effect).
std::int64_t continuation_ticks(std::int64_t f, std::string_view articulation);

}  // namespace scoretext::score
