#include "tab/tablature_expander.h"

#include <array>

#include "frontend/note_group.h"
#include "frontend/tool_error.h"

namespace scoretext::tab {

namespace {

// Pitch names from E2 (open sixth string) to G5 (first string, fret 15),
// sharps after the octave.
constexpr std::array<std::string_view, 12> kPitchClass = {"C", "C#", "D", "D#", "E", "F",
                                                          "F#", "G", "G#", "A", "A#", "B"};
// Open strings 1 to 6: E4 B3 G3 D3 A2 E2, as semitones above C0.
constexpr std::array<int, 6> kOpenString = {52, 47, 43, 38, 33, 28};

// A pitch as the note group writes it: a blank, "*", letter, octave, sharp.
struct PitchName {
  char text[6];
  std::size_t size;
};

constexpr PitchName pitch_name(int semitone) {
  PitchName p{};
  const std::string_view cls = kPitchClass[semitone % 12];
  p.text[0] = ' ';
  p.text[1] = '*';
  p.text[2] = cls[0];
  p.text[3] = static_cast<char>('0' + semitone / 12);
  p.size = 4;
  if (cls.size() == 2) p.text[p.size++] = '#';
  return p;
}

// Every string's pitches, fret 0 to 15.
constexpr auto kPitches = [] {
  std::array<std::array<PitchName, 16>, 6> t{};
  for (int s = 0; s < 6; ++s)
    for (int f = 0; f < 16; ++f) t[s][f] = pitch_name(kOpenString[s] + f);
  return t;
}();

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

namespace {

// The pitch of a tablature token as written in the note group (" *F4#").
std::optional<std::string_view> written_pitch(std::string_view t) {
  if (t.size() < 2 || t.size() > 3 || t[0] < '1' || t[0] > '6') return std::nullopt;
  if (!is_digit(t[1]) || (t.size() == 3 && !is_digit(t[2]))) return std::nullopt;
  int fret = t[1] - '0';
  if (t.size() == 3) {
    if (fret != 1) return std::nullopt;  // no leading zero, nothing above 15
    fret = 10 + (t[2] - '0');
    if (fret > 15) return std::nullopt;
  }
  const PitchName& p = kPitches[t[0] - '1'][fret];
  return std::string_view(p.text, p.size);
}

}  // namespace

std::optional<std::string_view> tablature_pitch(std::string_view t) {
  auto pitch = written_pitch(t);
  if (pitch) pitch->remove_prefix(2);
  return pitch;
}

void TablatureExpander::expand(Tokens& tokens, const LengthGroup& length, std::string& group) {
  if (tokens.at_end() || take_rest_mark(tokens, length, group)) return;
  read_notes(
      tokens, group,
      [](std::string_view token, std::string& notes) {
        if (!is_digit(token[0])) return false;  // left for the writer
        const auto pitch = written_pitch(token);
        if (!pitch) throw ToolError(Msg::BadTab);
        notes += *pitch;
        return true;
      },
      no_token_left);
}

}  // namespace scoretext::tab
