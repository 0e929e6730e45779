// The normal form of a lyric line: ASCII and two-byte Shift_JIS only.
//
// A lyric may be written in Shift_JIS or in UTF-8, character by character:
//   - kana, the long-vowel mark and '-' become Shift_JIS kana and ー;
//   - full-width letters, the full-width blank and the full-width forms of
//     [ ] ' \ 4 @ { _ become their ASCII forms;
//   - ASCII letters and [ ] blank ' \ 4 @ { : _ 0 stay as they are.
// Anything else, the full-width semicolon included (as ';' it would end the
// statement in the score text nolwen writes), is refused with
// Msg::LyricBadCharacter, thrown unplaced.
#pragma once

#include <string>
#include <string_view>

namespace scoretext::lyric {

// Rewrites `line` (its comment already cut) into `out`.
void normalise_line(std::string_view line, std::string& out);

}  // namespace scoretext::lyric
