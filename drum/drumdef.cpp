#include "drum/drumdef.h"

#include "drum/drum_notes.h"
#include "frontend/limits.h"
#include "frontend/files.h"
#include "frontend/line_reader.h"
#include "frontend/tokens.h"
#include "frontend/tool_error.h"

namespace scoretext::drum {
namespace {

void skip_blanks(std::string_view text, std::size_t& pos) {
  while (pos < text.size() && text[pos] == ' ') ++pos;
}

std::string_view word_at(std::string_view text, std::size_t& pos) {
  const std::size_t begin = pos;
  while (pos < text.size() && text[pos] != ' ') ++pos;
  return text.substr(begin, pos - begin);
}

}  // namespace

int DrumKit::find(std::string_view name) const {
  const auto it = by_name_.find(name);
  return it == by_name_.end() ? kNone : it->second;
}

void DrumKit::define(std::string_view line) {
  auto fail = [line](Msg message) { throw ToolError::at_data_line(message, line); };

  std::string text(line.substr(0, line.find("//")));
  if (text.size() >= limits::kLineRefused) fail(Msg::LineTooLong);
  upper_case(text.data(), text.size());

  std::size_t pos = 0;
  skip_blanks(text, pos);
  if (pos == text.size()) return;

  const int note = note_from_definition_name(word_at(text, pos));
  if (note < 0) fail(Msg::DrumNoteName);
  if (owner_of(note) != kNone) fail(Msg::DrumNoteTwice);

  skip_blanks(text, pos);
  if (pos == text.size()) fail(Msg::DrumNameMissing);
  const std::string_view name = word_at(text, pos);
  if (name.size() > kInstrumentNameMax) fail(Msg::DrumNameTooLong);
  if (is_velocity_token(name)) fail(Msg::DrumNameUnfit);
  if (find(name) != kNone) fail(Msg::DrumNameTwice);
  if (instruments_.size() == kInstrumentsMax) fail(Msg::DrumTableFull);

  const int index = static_cast<int>(instruments_.size());
  instruments_.push_back(Instrument{std::string(name), note});
  by_name_.emplace(std::string(name), index);
  owner_[static_cast<std::size_t>(note)] = index;
}

namespace {

DrumKit read_lines(LineReader& lines) {
  DrumKit kit;
  std::string_view line;
  while (lines.next(line)) {
    // A line too long to hold is refused by the same check as one that is
    // just long enough, with what was kept of it.
    kit.define(line);
  }
  return kit;
}

}  // namespace

DrumKit read_drum_definitions(std::string_view file_text) {
  LineReader lines(file_text, kDefinitionLineKept);
  return read_lines(lines);
}

DrumKit read_drum_file(const InputFile& file) {
  LineReader lines(file, kDefinitionLineKept);
  return read_lines(lines);
}

DrumKit load_drum_file() { return read_drum_file(InputFile(kDrumFileName)); }

}  // namespace scoretext::drum
