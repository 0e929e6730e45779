#include "drum/drumdef.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "frontend/capacities.h"
#include "frontend/driver.h"
#include "drum/drum_notes.h"
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
  auto fail = [line](Msg message) { throw ToolError(message, std::string(line)); };

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

DrumKit read_drum_definitions(std::string_view file_text) {
  DrumKit kit;
  while (!file_text.empty()) {
    const std::size_t end = file_text.find('\n');
    std::string_view line = file_text.substr(0, end);
    file_text = end == std::string_view::npos ? std::string_view() : file_text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    kit.define(line);
  }
  return kit;
}

DrumKit read_drum_definitions(int fd) {
  std::string text;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  return read_drum_definitions(text);
}

int load_drum_file(DrumKit& kit) {
  const int fd = ::open(kDrumFileName, O_RDONLY);
  struct stat st;
  if (fd < 0 || ::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    if (fd >= 0) ::close(fd);
    write_stderr(std::string(kDrumFileName) + " open error\n");
    return 1;
  }
  int status = 0;
  try {
    kit = read_drum_definitions(fd);
  } catch (const ToolError& e) {
    write_stderr("ERROR:" + cp932_text(e.message()) + ' ' + e.detail() + '\n');
    status = 1;
  }
  ::close(fd);
  return status;
}

}  // namespace scoretext::drum
