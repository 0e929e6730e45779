#include "score/note_pitch.h"

#include <algorithm>

namespace scoretext::score {
namespace {

// Semitones of C D E F G A B above C, by letter A..G.
constexpr int kLetterSemitone[7] = {9, 11, 0, 2, 4, 5, 7};

std::optional<int> accidental(std::string_view text) {
  if (text.empty() || text == "N" || text == "n") return 0;
  if (text == "#") return 1;
  if (text == "##") return 2;
  if (text == "B" || text == "b") return -1;
  if (text == "BB" || text == "bb") return -2;
  return std::nullopt;
}

}  // namespace

std::optional<int> star_note_number(std::string_view token) {
  if (token.size() < 3 || token[0] != '*' || token[1] < 'A' || token[1] > 'G') return std::nullopt;
  const int letter = kLetterSemitone[token[1] - 'A'];
  std::size_t at = 2;
  int octave = 0;
  if (token[at] == '-') {
    if (at + 1 >= token.size() || (token[at + 1] != '1' && token[at + 1] != '2')) return std::nullopt;
    octave = -(token[at + 1] - '0');
    at += 2;
  } else if (token[at] >= '0' && token[at] <= '7') {
    octave = token[at] - '0';
    at += 1;
  } else {
    return std::nullopt;
  }
  const std::optional<int> shift = accidental(token.substr(at));
  if (!shift) return std::nullopt;
  return (octave + 2) * 12 + letter + *shift;
}

int transposed(int note, int transposition) { return std::clamp(note + transposition, 0, 127); }

}  // namespace scoretext::score
