// Kana syllables: one or two kana sung on one note.
//
// Two tables, hiragana then katakana, each of 132 syllables in a fixed
// order; the first syllable that the text starts with wins.  The two-kana
// syllables (きゃ, シュ, ...) stand before the single kana, so they win over
// their first kana alone.  A small ゃ ゅ ょ っ standing alone, ゎ ゐ ゑ and
// ヴ are in neither table.
#pragma once

#include <cstddef>
#include <string_view>

namespace scoretext::lyric {

// The length in bytes of the syllable at the start of `text` (normalised,
// Shift_JIS), or 0 when it starts with none.
std::size_t syllable_length(std::string_view text);

}  // namespace scoretext::lyric
