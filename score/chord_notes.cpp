#include "score/chord_notes.h"

#include "chord/chord_spelling.h"
#include "chord/older_vocabulary.h"
#include "frontend/tool_error.h"

namespace scoretext::score {
namespace {

// The two names of talven's fraction list with a stray letter, and the
// chords they stand for.
std::string_view regular_spelling(std::string_view name) {
  if (name == "A#bm/F") return "A#m/F";
  if (name == "A#bm7/Ab") return "A#m7/Ab";
  return name;
}

}  // namespace

std::vector<int> chord_note_numbers(std::string_view name) {
  if (!chord::older::is_chord_name(name)) throw ToolError(Msg::ChordName);
  if (!name.empty() && name[0] >= '1' && name[0] <= '3') name.remove_prefix(1);
  const chord::ChordNotes spelled = chord::spell_chord(regular_spelling(name));
  std::vector<int> notes;
  for (int slot : spelled.slots)
    if (slot != chord::ChordNotes::kEmpty) notes.push_back(chord::kLowestChordNote + slot);
  return notes;
}

}  // namespace scoretext::score
