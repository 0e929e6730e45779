#include "lyric/syllables.h"

#include <cstdint>
#include <string>
#include <vector>

#include "text/kana.h"

namespace scoretext::lyric {

namespace {

// The hiragana table in its order; the katakana table is the same in
// katakana.
constexpr std::u32string_view kHiragana =
    U"わ うぃ うぇ を きゃ きゅ きょ しゃ すぃ しゅ しぇ しょ ちゃ つぃ ちゅ ちぇ ちょ にゃ にゅ にぇ にょ "
    U"ひゃ ひゅ ひぇ ひょ ふぁ ふぃ ふゅ ふぇ ふぉ みゃ みゅ みぇ みょ りゃ りゅ りょ ぎゃ ぎゅ ぎぇ ぎょ "
    U"じゃ ずぃ じゅ じぇ じょ でぃ でゅ びゃ びゅ びぇ びょ ぴゃ ぴゅ ぴぇ ぴょ いぇ あ い う え お "
    U"か き く け こ さ し す せ そ た ち つ て と な に ぬ ね の は ひ ふ へ ほ ま み む め も や ゆ よ "
    U"ら り る れ ろ が ぎ ぐ げ ご ざ じ ず ぜ ぞ だ ぢ づ で ど ば び ぶ べ ぼ ぱ ぴ ぷ ぺ ぽ "
    U"ぁ ぃ ぅ ぇ ぉ ー ん";

using text::kHiraganaToKatakana;
using text::kLongVowelMark;

std::uint16_t first_char(std::string_view sjis) {
  return static_cast<std::uint16_t>((static_cast<unsigned char>(sjis[0]) << 8) |
                                    static_cast<unsigned char>(sjis[1]));
}

// The syllables of both tables in their order, grouped by their first kana.
class SyllableIndex {
 public:
  SyllableIndex() {
    for (const char32_t shift : {char32_t{0}, kHiraganaToKatakana}) add_table(shift);
  }

  std::size_t match(std::string_view text) const {
    if (text.size() < 2) return 0;
    const std::size_t slot = slot_of(first_char(text));
    if (slot == kNoSlot) return 0;
    for (const std::string& syllable : by_first_[slot]) {
      if (text.starts_with(syllable)) return syllable.size();
    }
    return 0;
  }

 private:
  void add_table(char32_t shift) {
    std::string syllable;
    for (const char32_t cp : kHiragana) {
      if (cp == U' ') {
        add(syllable);
        syllable.clear();
      } else {
        text::append_sjis_kana(cp == kLongVowelMark ? cp : cp + shift, syllable);
      }
    }
    add(syllable);
  }

  void add(const std::string& syllable) {
    // A syllable outside the slots could never be matched.
    const std::size_t slot = slot_of(first_char(syllable));
    if (slot != kNoSlot) by_first_[slot].push_back(syllable);
  }

  // Every kana of the tables, and the long-vowel mark, has the lead byte
  // 0x81, 0x82 or 0x83: one slot for each of their characters.
  static constexpr unsigned kFirstLead = text::kSjisLongVowelLead;
  static_assert(text::kSjisHiraganaLead == kFirstLead + 1 && text::kSjisKatakanaLead == kFirstLead + 2);
  static constexpr std::size_t kSlots = 3 * 256;
  static constexpr std::size_t kNoSlot = kSlots;
  static std::size_t slot_of(std::uint16_t sjis) {
    const unsigned lead = sjis >> 8;
    if (lead < kFirstLead || lead >= kFirstLead + 3) return kNoSlot;
    return (lead - kFirstLead) * 256 + (sjis & 0xFFu);
  }

  std::vector<std::vector<std::string>> by_first_ = std::vector<std::vector<std::string>>(kSlots);
};

}  // namespace

std::size_t syllable_length(std::string_view text) {
  static const SyllableIndex index;
  return index.match(text);
}

}  // namespace scoretext::lyric
