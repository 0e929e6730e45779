#include "chord/chord_spelling.h"

#include <algorithm>
#include <optional>

#include "frontend/tool_error.h"

namespace scoretext::chord {

ChordNotes spell_chord(std::string_view name) {
  std::optional<int> bass;

  // An on-chord names its bass from the first "on" to the end, a fraction
  // chord from the first "/"; a name cannot have both.
  if (auto on = name.find("on"); on != std::string_view::npos) {
    bass = on_bass_semitone(name.substr(on));
    if (!bass) throw ToolError(Msg::OnChord);
    name = name.substr(0, on);
  }
  if (auto slash = name.find('/'); slash != std::string_view::npos) {
    if (bass) throw ToolError(Msg::SlashChord);
    bass = slash_bass_semitone(name.substr(slash));
    if (!bass) throw ToolError(Msg::SlashChord);
    name = name.substr(0, slash);
  }

  // The root is a letter with an optional flat "b" or sharp "#".
  std::size_t root_length = name.size() > 1 && (name[1] == 'b' || name[1] == '#') ? 2 : 1;
  std::optional<int> root = name.empty() ? std::nullopt : root_semitone(name.substr(0, root_length));
  if (!root) throw ToolError(Msg::ChordName);
  std::string_view suffix = name.substr(root_length);
  const SuffixRow* row = find_suffix(suffix.empty() ? kEmptySuffix : suffix);
  if (!row) throw ToolError(Msg::ChordName);

  ChordNotes notes;
  notes.slots.fill(ChordNotes::kEmpty);
  for (std::size_t i = 0; i < row->intervals.size(); ++i) notes.slots[i] = row->intervals[i] + *root;

  if (bass) {
    // Every chord note goes above the bass; a note a semitone above it goes
    // up an octave to keep the clash out of the low register.  A bass that is
    // no chord note is added under the chord, written last.
    const int b = *bass;
    bool bass_in_chord = false;
    for (int& v : notes.slots) {
      if (v == ChordNotes::kEmpty) continue;
      if (v == b) bass_in_chord = true;
      if (v == b + 1) v += 12;
      if (v < b) v += 12;
    }
    if (!bass_in_chord) notes.slots[kNoteSlots - 1] = b;
  }
  return notes;
}

void append_chord_notes(const ChordNotes& notes, std::string_view velocity, NoteText& group) {
  for (int v : notes.slots) {
    if (v != ChordNotes::kEmpty) group.append_padded_row(padded_pitch_name(v), velocity);
  }
}

}  // namespace scoretext::chord
