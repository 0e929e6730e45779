// "PS n" opens pattern n, "PE" closes it, "PR n" replays pattern n.  The
// statements are checked and copied; the patterns are not stored.
#pragma once

#include <array>
#include <string_view>

#include "frontend/run.h"

namespace scoretext {

inline constexpr std::array<std::string_view, 3> kPatternKeywords = {"PS", "PE", "PR"};

// Recognisers: false (nothing changed) when the first token is not theirs.
bool recognise_pattern_start(Run& run);
bool recognise_pattern_end(Run& run);
bool recognise_pattern_replay(Run& run);

// The three in the main loop's order.
bool recognise_pattern_statement(Run& run);

}  // namespace scoretext
