// The kana as a sung text holds them, in both encodings a part may be
// written in: Unicode (UTF-8) and Shift_JIS.
//
//   hiragana         U+3041 .. U+3093    82 9F .. 82 F1
//   katakana         U+30A1 .. U+30F6    83 40 .. 83 96, 83 7F left out
//   long-vowel mark  U+30FC              81 5B
//
// Every kana lies in U+3000..U+30FF, three UTF-8 bytes beginning with E3.
// The functions below only convert between these forms; what a tool accepts
// besides kana is its own affair.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace scoretext::text {

inline constexpr char32_t kLongVowelMark = 0x30FC;
inline constexpr char32_t kFirstHiragana = 0x3041;
inline constexpr char32_t kLastHiragana = 0x3093;
inline constexpr char32_t kFirstKatakana = 0x30A1;
inline constexpr char32_t kLastKatakana = 0x30F6;
// A hiragana plus this is the katakana of the same sound.
inline constexpr char32_t kHiraganaToKatakana = kFirstKatakana - kFirstHiragana;

inline constexpr std::uint8_t kSjisLongVowelLead = 0x81;
inline constexpr std::uint8_t kSjisLongVowelTrail = 0x5B;
inline constexpr std::uint8_t kSjisHiraganaLead = 0x82;
inline constexpr std::uint8_t kSjisFirstHiraganaTrail = 0x9F;
inline constexpr std::uint8_t kSjisKatakanaLead = 0x83;
inline constexpr std::uint8_t kSjisFirstKatakanaTrail = 0x40;
// The trail byte that the katakana row skips.
inline constexpr std::uint8_t kSjisSkippedTrail = 0x7F;

// A two-byte Shift_JIS character.
struct SjisPair {
  std::uint8_t lead = 0;
  std::uint8_t trail = 0;
};

constexpr bool is_kana(char32_t c) {
  return (c >= kFirstHiragana && c <= kLastHiragana) || (c >= kFirstKatakana && c <= kLastKatakana) ||
         c == kLongVowelMark;
}

// The kana that the Shift_JIS pair (lead, trail) encodes, or 0.
constexpr char32_t kana_of_sjis(std::uint8_t lead, std::uint8_t trail) {
  if (lead == kSjisLongVowelLead) return trail == kSjisLongVowelTrail ? kLongVowelMark : 0;
  if (lead == kSjisHiraganaLead && trail >= kSjisFirstHiraganaTrail &&
      trail <= kSjisFirstHiraganaTrail + (kLastHiragana - kFirstHiragana)) {
    return kFirstHiragana + (trail - kSjisFirstHiraganaTrail);
  }
  if (lead == kSjisKatakanaLead && trail >= kSjisFirstKatakanaTrail && trail != kSjisSkippedTrail &&
      trail <= kSjisFirstKatakanaTrail + 1 + (kLastKatakana - kFirstKatakana)) {
    return kFirstKatakana + (trail - kSjisFirstKatakanaTrail) - (trail > kSjisSkippedTrail ? 1 : 0);
  }
  return 0;
}

// The Shift_JIS pair of a kana; false, `pair` untouched, for any other code
// point.
constexpr bool sjis_of_kana(char32_t c, SjisPair& pair) {
  if (c == kLongVowelMark) {
    pair = {kSjisLongVowelLead, kSjisLongVowelTrail};
  } else if (c >= kFirstHiragana && c <= kLastHiragana) {
    pair = {kSjisHiraganaLead, static_cast<std::uint8_t>(kSjisFirstHiraganaTrail + (c - kFirstHiragana))};
  } else if (c >= kFirstKatakana && c <= kLastKatakana) {
    const unsigned offset = static_cast<unsigned>(c - kFirstKatakana);
    const unsigned skip = offset >= kSjisSkippedTrail - kSjisFirstKatakanaTrail ? 1 : 0;
    pair = {kSjisKatakanaLead, static_cast<std::uint8_t>(kSjisFirstKatakanaTrail + offset + skip)};
  } else {
    return false;
  }
  return true;
}

// Appends the two Shift_JIS bytes of a kana; false (nothing appended) for
// any other code point.
inline bool append_sjis_kana(char32_t c, std::string& out) {
  SjisPair pair;
  if (!sjis_of_kana(c, pair)) return false;
  out.push_back(static_cast<char>(pair.lead));
  out.push_back(static_cast<char>(pair.trail));
  return true;
}

// Appends the three UTF-8 bytes of a code point of U+0800..U+FFFF (every
// kana is one).
inline void append_utf8_three(char32_t c, std::string& out) {
  out.push_back(static_cast<char>(0xE0 | (c >> 12)));
  out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
  out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
}

constexpr bool is_utf8_continuation(std::uint8_t b) { return (b & 0xC0) == 0x80; }

// The code point of a three-byte UTF-8 sequence at `p`, of which `left`
// bytes may be read, or 0 when none stands there.  Only the form of the
// bytes is checked (lead 1110xxxx, two continuations), not that the code
// point is the shortest form.
constexpr char32_t three_byte_utf8(const std::uint8_t* p, std::size_t left) {
  if (left < 3 || (p[0] & 0xF0) != 0xE0 || !is_utf8_continuation(p[1]) || !is_utf8_continuation(p[2])) {
    return 0;
  }
  return (char32_t{p[0] & 0x0Fu} << 12) | (char32_t{p[1] & 0x3Fu} << 6) | char32_t{p[2] & 0x3Fu};
}

}  // namespace scoretext::text
