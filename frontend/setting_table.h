// The setting statements and their operands, for every tool that reads
// them: the text tools (settings.h) check and copy them, sirenta
// (vocal_settings.h) carries them out.  Each keyword says which of the two
// knows it; where they read the same keyword differently, it is said here:
//
//   SN   the text tools take the scale modes "0".."20"; sirenta has a pitch
//        table for "0".."18" only (kSungScaleModeHighest).
//   SK   the text tools write the key as they read it, its flat mark as a
//        lower-case "b"; sirenta keeps the key index, which "#" and "#1"
//        share, and "B" and "B1" (KeyOperand::index).
//   SC4, SCN, SS#, SSB, SSC   text tools only; SL1, SL2 sirenta only.
//
// Operands that are refused throw unplaced: a time signature outside the
// table Msg::RangeOutside, a number outside its range Msg::RangeExceeded,
// an unknown key, mode, letter or scale mode Msg::Malformed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace scoretext {

enum class SettingKind {
  Time,
  Tempo,
  Key,
  NoOperand,
  Transpose,
  ScaleMode,
  Staccato,
  Natural,
  Unnatural,
  Accidental,
  Clear,
  BeatSnap
};

// Which tools know a keyword.
enum SettingReaders : std::uint8_t { kTextTools = 1, kSungParts = 2, kEveryTool = 3 };

struct SettingKeyword {
  std::string_view keyword;
  SettingKind kind;
  std::uint8_t readers;
  bool tie_check;         // refused while a tie is pending
  bool refused_in_block;  // refused inside a pattern
  bool resets;            // the text tools forget the previous notes
  bool accidental_family;  // SS#, SSB, SSC: not known to every text tool
};

inline constexpr std::array<SettingKeyword, 16> kSettingKeywords = {{
    {"SB", SettingKind::Time, kEveryTool, true, true, true, false},
    {"ST", SettingKind::Tempo, kEveryTool, true, true, true, false},
    {"SK", SettingKind::Key, kEveryTool, true, true, true, false},
    {"SC4", SettingKind::NoOperand, kTextTools, false, false, true, false},
    {"SC", SettingKind::Transpose, kEveryTool, true, true, true, false},
    {"SCN", SettingKind::Transpose, kTextTools, true, true, true, false},
    {"SV", SettingKind::BeatSnap, kEveryTool, true, false, true, false},
    {"SL1", SettingKind::BeatSnap, kSungParts, true, false, true, false},
    {"SL2", SettingKind::BeatSnap, kSungParts, true, false, true, false},
    {"SN", SettingKind::ScaleMode, kEveryTool, true, true, false, false},
    {"SS", SettingKind::Staccato, kEveryTool, true, true, true, false},
    {"SSN", SettingKind::Natural, kEveryTool, true, true, false, false},
    {"SRN", SettingKind::Unnatural, kEveryTool, true, true, false, false},
    {"SS#", SettingKind::Accidental, kTextTools, true, true, false, true},
    {"SSB", SettingKind::Accidental, kTextTools, true, true, false, true},
    {"SSC", SettingKind::Clear, kTextTools, true, true, false, true},
}};

// The keyword's entry for the given readers, or null.
constexpr const SettingKeyword* find_setting_keyword(std::string_view keyword, SettingReaders reader) {
  for (const SettingKeyword& s : kSettingKeywords) {
    if (s.keyword == keyword) return (s.readers & reader) != 0 ? &s : nullptr;
  }
  return nullptr;
}

// The numeric operands' ranges.
struct SettingRange {
  std::int32_t lowest;
  std::int32_t highest;
};
inline constexpr SettingRange kTempoRange = {1, INT32_MAX};
inline constexpr SettingRange kTransposeRange = {-30, 30};
inline constexpr SettingRange kStaccatoRange = {0, 8};

// SN's operand, compared as text ("+5" and "05" are no modes).
inline constexpr int kTextScaleModeHighest = 20;
inline constexpr int kSungScaleModeHighest = 18;

// SK's first operand: the token as read (upper-cased), as the text tools
// write it, and the key index sirenta sets (1..7 sharps, 8..14 one to seven
// flats).
struct KeyOperand {
  std::string_view token;
  std::string_view written;
  int index;
};
inline constexpr std::array<KeyOperand, 17> kKeyOperands = {{
    {"#7", "#7", 7}, {"#6", "#6", 6}, {"#5", "#5", 5}, {"#4", "#4", 4}, {"#3", "#3", 3}, {"#2", "#2", 2},
    {"#1", "#1", 1}, {"#", "#", 1},   {"0", "0", 0},   {"B", "b", 8},   {"B1", "b1", 8}, {"B2", "b2", 9},
    {"B3", "b3", 10}, {"B4", "b4", 11}, {"B5", "b5", 12}, {"B6", "b6", 13}, {"B7", "b7", 14},
}};

// The letters of SSN, SRN, SS#, SSB and SSC, in this order.
inline constexpr std::string_view kSettingLetters = "CDEFGAB";

// The operand checks.  Each returns what the operand means; the token is
// the upper-cased token, empty when the statement has none.
int time_signature_operand(std::string_view token);
std::int32_t number_operand(std::string_view token, SettingRange range);
const KeyOperand& key_operand(std::string_view token);
// SK's second operand, "0" or "1".
void key_mode_operand(std::string_view token);
int letter_operand(std::string_view token);
int scale_mode_operand(std::string_view token, int highest);

}  // namespace scoretext
