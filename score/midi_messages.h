// The channel messages of a MIDI statement, once the front end has checked
// it and written it in its normalised form (first token "!" and keyword,
// values as written, notes as "*" and a name):
//
//   PB n          En  (n + 8192) & 127, (n + 8192) >> 7
//   PCH n, CP n   Cn n;  Dn n
//   RPN1 a b      CC 101 a, CC 100 b      RPN2 n   CC 101 n>>7, CC 100 n&127
//   NRPN1 a b     CC 99 a, CC 98 b        NRPN2 n  CC 99 n>>7, CC 98 n&127
//   DE1 a b       CC 6 a, CC 38 b         DE2 n    CC 6 n>>7, CC 38 n&127
//   NON p [Vv]    note on (velocity 64 without Vv), ranked as a note-on
//   NOFF p        8n p 00, ranked as a note-off
//   PP p n        An p n
//   CC#n, MM#n    controller n;  the named 7-bit controllers at their
//                 numbers, the 14-bit ones as MSB at the number and LSB at
//                 the number + 32, the switches as 127 (ON) or 0 (OFF)
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "score/track.h"

namespace scoretext::score {

// Adds the messages of the statement `words` at `tick` on `channel`; notes
// are moved by `transposition`.
void add_midi_statement(const std::vector<std::string_view>& words, int channel, int transposition,
                        std::int64_t tick, Track& track);

}  // namespace scoretext::score
