// The byte-wise conversion of a sung part's lines: a vocal part may be
// written in Shift_JIS or in UTF-8, and its kana always reach the records
// in UTF-8.
//
//   bytes below 0x80                    kept
//   81 5B (the long-vowel mark)         U+30FC
//   82 9F .. 82 F1 (hiragana)           U+3041 ..
//   83 40 .. 83 96, not 83 7F (katakana) U+30A1 .. U+30F6
//   UTF-8 hiragana U+3041..U+3093, katakana U+30A1..U+30F6 and U+30FC
//                                       kept
//   any other byte of 0x80 or above     Msg::UnusableCharacter (unplaced)
//
// The comment ("//" to the line end) is cut first, so whatever it holds is
// never looked at.
#pragma once

#include <string>
#include <string_view>

namespace scoretext::vocal {

// The line without its comment, converted; `scratch` holds the result.
std::string_view convert_kana_line(std::string_view line, std::string& scratch);

}  // namespace scoretext::vocal
