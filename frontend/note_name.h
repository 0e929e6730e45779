// Note names: letter A-G, octave 0-7 or -1, accidental #, ##, B, BB or N.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace scoretext {

// The note token in its written form (B, BB, N become b, bb, n), or nothing
// when the upper-cased token is no note name.
std::optional<std::string> normalised_note(std::string_view token);

// As normalised_note, but throws "音の指定の誤り" for a token that is no note.
std::string normalise_note(std::string_view token);

}  // namespace scoretext
