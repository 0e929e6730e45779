// The VSQX output: the template copied line by line (each line whole, ended
// by LF), with the part's records written in at its landmarks.
//
//   <timeSig> .. </timeSig>   left out when the part's first SB stands at
//                             tick 0; after every "</timeSig>" line, one
//                             timeSig per SB record (posMes: the measure
//                             where it takes effect)
//   <tempo> .. </tempo>       the same for ST records (posTick: the song
//                             tick, bpm: tempo × 100)
//   <musicalPart>             when the first SB stands at tick 0, the part's
//                             next posTick becomes that signature's measure
//                             and its next playTime the part's play time
//   </singer>                 then the mCtrl events in sorted order, the
//                             sCtrl (POR) events in sorted order, and one
//                             note element per note record
//
// Lyrics and phonetic texts go into CDATA sections as stored, with each
// "]]>" split across two sections so that the parsed text is the stored one.
#pragma once

#include <cstdint>
#include <vector>

#include "frontend/line_reader.h"
#include "frontend/output.h"
#include "vocal/placing.h"
#include "vocal/template_defaults.h"
#include "vocal/vocal_record.h"

namespace scoretext::vocal {

// `order`: the control events in the order they are written (indices into
// placed.controls).
void write_vsqx(LineReader& template_lines, const EventTable& table, const Placement& placed,
                const std::vector<std::uint32_t>& order, const TemplateDefaults& defaults,
                Output& out);

}  // namespace scoretext::vocal
