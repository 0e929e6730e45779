#include "vocal/pitch.h"

#include <algorithm>

#include "frontend/note_name.h"
#include "frontend/score_tables.h"
#include "frontend/tool_error.h"

namespace scoretext::vocal {

namespace {

constexpr std::string_view kLetterNames = kSettingLetters;

// Semitones added to each letter under each key index: sharps for 1..7,
// flats for 8..14 (KeyOperand::index).
constexpr std::array<std::array<int, kKeyIndices>, kLetters> kKeyAdjustment = {{
    {0, 0, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, -1, -1},      // C
    {0, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0, -1, -1, -1, -1},    // D
    {0, 0, 0, 0, 0, 0, 1, 1, 0, -1, -1, -1, -1, -1, -1},  // E
    {0, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, -1},       // F
    {0, 0, 0, 1, 1, 1, 1, 1, 0, 0, 0, 0, -1, -1, -1},     // G
    {0, 0, 0, 0, 0, 1, 1, 1, 0, 0, -1, -1, -1, -1, -1},   // A
    {0, 0, 0, 0, 0, 0, 0, 1, -1, -1, -1, -1, -1, -1, -1}, // B
}};

// The semitone of each letter above C under each scale mode.
constexpr std::array<std::array<int, kLetters>, kScaleModes> kScales = {{
    {0, 2, 4, 5, 7, 9, 11}, {0, 2, 3, 5, 7, 8, 10}, {0, 1, 2, 4, 6, 8, 10}, {0, 1, 3, 4, 6, 8, 10},
    {0, 1, 3, 5, 7, 8, 10}, {0, 1, 3, 5, 7, 9, 10}, {0, 1, 3, 5, 7, 9, 11}, {0, 2, 3, 4, 6, 8, 10},
    {0, 2, 3, 5, 6, 8, 10}, {0, 2, 3, 5, 7, 9, 10}, {0, 2, 3, 5, 7, 9, 11}, {0, 2, 4, 5, 6, 8, 10},
    {0, 2, 4, 5, 7, 8, 10}, {0, 2, 4, 5, 7, 9, 10}, {0, 2, 4, 6, 7, 8, 10}, {0, 2, 4, 6, 7, 9, 10},
    {0, 2, 4, 6, 7, 9, 11}, {0, 2, 4, 6, 8, 9, 10}, {0, 2, 4, 6, 8, 9, 11},
}};

// C-1 is 12, so C3 is 60.
constexpr int kOctaveBase = 24;

int accidental_semitones(std::string_view accidental) {
  if (accidental == "#") return 1;
  if (accidental == "##") return 2;
  if (accidental == "B") return -1;
  if (accidental == "BB") return -2;
  return 0;
}

}  // namespace

int note_number(std::string_view token, const PitchSettings& settings) {
  if (!normalised_note(token)) throw ToolError(Msg::VocalNoteToken);
  const int letter = static_cast<int>(kLetterNames.find(token[0]));
  const bool lowest = token[1] == '-';
  const int octave = lowest ? -1 : token[1] - '0';
  const std::string_view accidental = token.substr(lowest ? 3 : 2);
  const bool natural = accidental == "N" || settings.natural[static_cast<std::size_t>(letter)];
  const int key = natural ? 0 : settings.key_index;
  const int number = kScales[static_cast<std::size_t>(settings.scale_mode)][static_cast<std::size_t>(letter)] +
                     kKeyAdjustment[static_cast<std::size_t>(letter)][static_cast<std::size_t>(key)] +
                     settings.transposition + kOctaveBase + 12 * octave + accidental_semitones(accidental);
  return std::clamp(number, 0, kNoteNumberMax);
}

}  // namespace scoretext::vocal
