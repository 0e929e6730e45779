// Spelling a chord name such as Cm7, F#7(b9,#11), AbM7onG or D/F# into the
// notes of octaves 2 to 4.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "frontend/note_text.h"

#include "chord/chord_table.h"

namespace scoretext::chord {

// The ten note slots of a spelled chord, each a pitch index (0 is C2) or
// kEmpty, in the order in which they are written.
struct ChordNotes {
  static constexpr int kEmpty = -1;
  std::array<int, kNoteSlots> slots;
};

// Spells the chord name exactly as written (case matters).  Throws
// Msg::OnChord for a bad on-bass, Msg::SlashChord for a bad slash bass or
// both kinds of bass, Msg::ChordName for a bad root or suffix.
ChordNotes spell_chord(std::string_view name);

// Appends every filled slot as its pitch name, a blank, the velocity and a
// blank.
void append_chord_notes(const ChordNotes& notes, std::string_view velocity, NoteText& group);

}  // namespace scoretext::chord
