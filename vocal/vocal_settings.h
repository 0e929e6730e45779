// The setting and pattern statements as sirenta carries them out:
//
//   SB t          appends a time signature (t as listed in score_tables.h)
//   ST n          appends a tempo, n at least 1
//   SK k m        sets the key (#7 .. # 0 B .. B7); m is "0" or "1", unused
//   SC n          sets the transposition, -30..30
//   SV SL1 SL2    appends a beat snap
//   SN v          sets the scale mode, "0".."18"
//   SS n          sets the staccato default, 0..8
//   SSN l, SRN l  set and clear the natural flag of letter l
//   PS n, PE      mark records [start, end) of the table as pattern n (0..999)
//   PR n          appends copies of pattern n's records (1..999), sharing
//                 their control curves
//
// The keywords and their operands are those of setting_table.h read for
// sung parts.  Every one of them is refused while a tie is pending
// (Msg::TiePending) and with a token after its last argument (Msg::Extra).
// All but SV, SL1, SL2 and PE are refused inside a pattern (Msg::NeedPE; PS
// and PR say Msg::InsidePattern).  Errors are thrown unplaced.
#pragma once

#include "vocal/part_state.h"
#include "frontend/tokens.h"

namespace scoretext::vocal {

// False (nothing changed) when the first token names no such statement.
bool take_setting(const Tokens& tokens, PartState& part);
bool take_pattern(const Tokens& tokens, PartState& part);

}  // namespace scoretext::vocal
