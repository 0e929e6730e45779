#include "tab/tablature_expander.h"

#include <array>

#include "frontend/note_group.h"
#include "frontend/pitch_names.h"
#include "frontend/tool_error.h"

namespace scoretext::tab {

namespace {

// Open strings 1 to 6: E4 B3 G3 D3 A2 E2.
constexpr std::array<int, 6> kOpenString = {76, 71, 67, 62, 57, 52};
constexpr int kHighestFret = 15;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<int> tablature_note(std::string_view t) {
  if (t.size() < 2 || t.size() > 3 || t[0] < '1' || t[0] > '6') return std::nullopt;
  if (!is_digit(t[1]) || (t.size() == 3 && !is_digit(t[2]))) return std::nullopt;
  int fret = t[1] - '0';
  if (t.size() == 3) {
    if (fret != 1) return std::nullopt;  // no leading zero, nothing above 19
    fret = 10 + (t[2] - '0');
    if (fret > kHighestFret) return std::nullopt;
  }
  return kOpenString[static_cast<std::size_t>(t[0] - '1')] + fret;
}

void TablatureExpander::expand(Tokens& tokens, const LengthGroup& length, NoteText& group) {
  if (tokens.at_end() || take_rest_mark(tokens, length, group)) return;
  read_notes(
      tokens, group,
      [](std::string_view token, NoteText& notes) {
        if (!is_digit(token[0])) return false;  // left for the writer
        const std::optional<int> note = tablature_note(token);
        if (!note) throw ToolError(Msg::BadTab);
        notes.append_padded(score_pitch_word(*note));
        return true;
      },
      no_token_left);
}

}  // namespace scoretext::tab
