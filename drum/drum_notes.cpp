#include "drum/drum_notes.h"

#include <array>
#include <string>
#include <unordered_map>

#include "drum/limits.h"
#include "frontend/pitch_names.h"

namespace scoretext::drum {
namespace {

// The definition-form names, spelled from the suite's pitch table with the
// sharp moved before the octave, and the way back from a name to its note.
struct DefinitionNames {
  std::array<std::string, kDrumNotes> name;
  std::unordered_map<std::string_view, int> note;

  DefinitionNames() {
    for (int n = 0; n < kDrumNotes; ++n) {
      const PitchSpelling p = pitch_spelling(n);
      std::string& text = name[static_cast<std::size_t>(n)];
      text.push_back(p.letter);
      if (p.sharp) text.push_back('#');
      text += std::to_string(p.octave);
    }
    // The views point into `name`, which lives as long as this table.
    for (int n = 0; n < kDrumNotes; ++n) note.emplace(name[static_cast<std::size_t>(n)], n);
  }
};

const DefinitionNames& definition_names() {
  static const DefinitionNames table;
  return table;
}

}  // namespace

std::string_view definition_note_name(int note) { return definition_names().name.at(static_cast<std::size_t>(note)); }

std::string_view score_note_name(int note) { return score_pitch_name(note).substr(1); }

int note_from_definition_name(std::string_view name) {
  const auto& map = definition_names().note;
  const auto it = map.find(name);
  return it == map.end() ? -1 : it->second;
}

}  // namespace scoretext::drum
