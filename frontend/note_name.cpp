#include "frontend/note_name.h"

#include "frontend/tool_error.h"

namespace scoretext {

std::optional<WrittenNote> normalised_note(std::string_view token) {
  if (token.empty() || token[0] < 'A' || token[0] > 'G') return std::nullopt;
  std::size_t accidental;
  if (token.size() >= 2 && token[1] >= '0' && token[1] <= '7') {
    accidental = 2;
  } else if (token.size() >= 3 && token[1] == '-' && token[2] == '1') {
    accidental = 3;
  } else {
    return std::nullopt;
  }
  const std::string_view rest = token.substr(accidental);
  WrittenNote out;
  out.append(token.substr(0, accidental));
  if (rest.empty() || rest == "#" || rest == "##") {
    out.append(rest);
  } else if (rest == "B") {
    out.append("b");
  } else if (rest == "BB") {
    out.append("bb");
  } else if (rest == "N") {
    out.append("n");
  } else {
    return std::nullopt;
  }
  return out;
}

WrittenNote normalise_note(std::string_view token) {
  auto note = normalised_note(token);
  if (!note) throw ToolError(Msg::BadNote);
  return *note;
}

}  // namespace scoretext
