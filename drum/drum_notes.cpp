#include "drum/drum_notes.h"

#include <array>
#include <string>
#include <unordered_map>

#include "drum/drum_limits.h"

namespace scoretext::drum {
namespace {

struct NoteNames {
  std::array<std::string, kDrumNotes> definition;
  std::array<std::string, kDrumNotes> score;
  std::unordered_map<std::string_view, int> by_definition;

  NoteNames() {
    static constexpr std::array<const char*, 12> kLetters = {"C", "C", "D", "D", "E", "F",
                                                             "F", "G", "G", "A", "A", "B"};
    static constexpr std::array<bool, 12> kSharp = {false, true,  false, true,  false, false,
                                                    true,  false, true,  false, true,  false};
    for (int note = 0; note < kDrumNotes; ++note) {
      const int pitch = note % 12;
      const std::string octave = std::to_string(note / 12 - 2);
      const std::string sharp = kSharp[pitch] ? "#" : "";
      definition[note] = kLetters[pitch] + sharp + octave;
      score[note] = kLetters[pitch] + octave + sharp;
    }
    // The views point into `definition`, which lives as long as this table.
    for (int note = 0; note < kDrumNotes; ++note) by_definition.emplace(definition[note], note);
  }
};

const NoteNames& names() {
  static const NoteNames table;
  return table;
}

}  // namespace

std::string_view definition_note_name(int note) { return names().definition.at(note); }

std::string_view score_note_name(int note) { return names().score.at(note); }

int note_from_definition_name(std::string_view name) {
  const auto& map = names().by_definition;
  const auto it = map.find(name);
  return it == map.end() ? -1 : it->second;
}

}  // namespace scoretext::drum
