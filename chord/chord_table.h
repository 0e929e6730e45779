// The fixed vocabulary of chord names: roots, suffixes with their intervals,
// the bass names of on-chords and fraction chords, and the pitch names the
// chord notes are written with.  Everything is constant data; names are
// matched exactly and case-sensitively (Cm7 and CM7 are different chords).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>

#include "frontend/pitch_names.h"

namespace scoretext::chord {

// A chord is spelled into ten note slots.  A suffix fills them from the first
// without gaps and never uses the tenth, which holds a bass note added under
// the chord.
inline constexpr int kNoteSlots = 10;
inline constexpr int kSuffixSlots = kNoteSlots - 1;

// Semitones above the root, in the order in which the notes are written.
class Intervals {
 public:
  constexpr Intervals(std::initializer_list<int> steps) {
    for (int s : steps) steps_[count_++] = static_cast<std::uint8_t>(s);
  }
  constexpr std::size_t size() const { return count_; }
  constexpr int operator[](std::size_t i) const { return steps_[i]; }
  constexpr const std::uint8_t* begin() const { return steps_.data(); }
  constexpr const std::uint8_t* end() const { return steps_.data() + count_; }

 private:
  std::array<std::uint8_t, kSuffixSlots> steps_{};
  std::size_t count_ = 0;
};

struct SuffixRow {
  std::string_view name;
  Intervals intervals;
};

// A chord name that is only a root is looked up under this suffix.
inline constexpr std::string_view kEmptySuffix = "xxx";

// Every suffix in table order.
std::span<const SuffixRow> suffix_rows();
// The row of that exact name, or nullptr.
const SuffixRow* find_suffix(std::string_view name);

// "C", "Cb", "C#" ... "B#": pitch class counted from C, wrapping at the octave.
std::optional<int> root_semitone(std::string_view name);
// "onCb" ... "onB#" and "/Cb" ... "/B#", with the semitones of the roots.
std::optional<int> on_bass_semitone(std::string_view name);
std::optional<int> slash_bass_semitone(std::string_view name);

// The 21 root names in their table order (Cb C C# Db D D# ... Bb B B#), and
// the bass names in the same order.
std::span<const std::string_view> root_names();
std::span<const std::string_view> on_bass_names();
std::span<const std::string_view> slash_bass_names();

// Chord notes lie in the three octaves 2 to 4, counted from C2: index 0 is
// "*C2", 12 "*C3", 35 "*B4".  Sharps only.
inline constexpr int kLowestChordNote = 48;  // C2
inline constexpr int kPitchCount = 36;
constexpr std::string_view pitch_name(int index) { return score_pitch_name(kLowestChordNote + index); }
constexpr PaddedWord padded_pitch_name(int index) { return score_pitch_name_padded(kLowestChordNote + index); }

}  // namespace scoretext::chord
