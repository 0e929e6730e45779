// The setting statements the text tools know (setting_table.h): SB, ST, SK,
// SC4, SC, SCN, SV, SN, SS, SSN, SRN, SS#, SSB, SSC.  They are checked and
// copied; only the per-letter states of SSN and SRN, SS#, SSB and SSC are
// kept.
#pragma once

#include "frontend/run.h"

namespace scoretext {

// The setting dispatcher: tries every setting statement the tool knows, then
// the MIDI statements.  False when none of them claims the statement.
bool recognise_setting(Run& run);

}  // namespace scoretext
