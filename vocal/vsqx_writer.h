// The VSQX output: the template copied line by line (each line whole, ended
// by LF), with the part's records written in at its landmarks.
//
//   <timeSig> .. </timeSig>   left out when the part's first SB stands at
//                             tick 0; after every "</timeSig>" line, one
//                             timeSig per SB record (posMes: the measure
//                             where it takes effect)
//   <tempo> .. </tempo>       the same for ST records (posTick: the song
//                             tick, bpm: tempo × 100)
//   <musicalPart>             the part's next playTime becomes the part's
//                             play time (the length of all its notes and
//                             rests); when the first SB stands at tick 0,
//                             its next posTick becomes that signature's
//                             measure
//   </singer>                 then the mCtrl events in sorted order, the
//                             sCtrl (POR) events in sorted order, and one
//                             note element per note record
//
// Lyrics and phonetic texts go into CDATA sections as stored, with each
// "]]>" split across two sections so that the parsed text is the stored one.
//
// check_template_landmarks refuses, before the part is read, a template on
// which the copy would lose or misplace part of it:
// - a landmark line that holds more than its landmark and blanks: a line
//   holding "<timeSig>", "</timeSig>", "<tempo>", "</tempo>" or "</singer>"
//   must be that tag alone or one whole element from its start tag to its
//   end tag with no other landmark inside; "<musicalPart>" stands alone;
//   the musical part's first posTick and playTime lines are
//   "<posTick>value</posTick>" and "<playTime>value</playTime>" alone.
//   Throws "ERROR: <line>" (Msg::TemplateLine).
// - a landmark never seen, the first in the order "<timeSig>",
//   "</timeSig>", "<tempo>", "</tempo>", "<musicalPart>", "<posTick>",
//   "<playTime>", "</singer>" (the last two after every "<musicalPart>"):
//   throws Msg::TemplateLandmarkMissing with the landmark.
// Blanks are spaces and tabs.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "frontend/output.h"
#include "vocal/placing.h"
#include "vocal/template_defaults.h"
#include "vocal/vocal_record.h"

namespace scoretext::vocal {

// `order`: the control events in the order they are written (indices into
// placed.controls).
void check_template_landmarks(std::string_view template_image);

// Copies `template_image`, which check_template_landmarks accepted.
void write_vsqx(std::string_view template_image, const EventTable& table, const Placement& placed,
                const std::vector<std::uint32_t>& order, const TemplateDefaults& defaults,
                Output& out);

}  // namespace scoretext::vocal
