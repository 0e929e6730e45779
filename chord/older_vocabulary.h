// The smaller chord vocabulary of talven, which checks chord names and
// writes them unchanged: a root, one of three suffix lists chosen by an
// optional leading digit, or one of the listed fraction chords.
#pragma once

#include <span>
#include <string_view>

namespace scoretext::chord::older {

// Suffix lists 0, 1 and 2 (no digit; a leading 1 or 2; a leading 3).
std::span<const std::string_view> suffix_list(int list);
bool in_suffix_list(int list, std::string_view suffix);

// Fraction chords: list A spells the roots with flats, list B with sharps.
std::span<const std::string_view> fraction_list_a();
std::span<const std::string_view> fraction_list_b();
// Listed in A or B, or one of the regular spellings A#m/F and A#m7/Ab.
bool is_fraction_chord(std::string_view name);

// True for a chord name talven accepts: an optional digit 1, 2 or 3, then a
// listed fraction chord, or a root letter A to G with an optional "#" or "b"
// and nothing more or a suffix of the list the digit selects.
bool is_chord_name(std::string_view name);

}  // namespace scoretext::chord::older
