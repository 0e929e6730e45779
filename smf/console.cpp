#include "smf/console.h"

#include <string>

namespace scoretext::smf {

void Console::track_count(int count) {
  std::string line = message_text(Msg::SmfTrackCount, form_);
  const auto slot = line.find("%d");
  if (slot != std::string::npos) line.replace(slot, 2, std::to_string(count));
  contents_ += line;
}

void Console::track_line(std::size_t index, std::uint32_t length) {
  contents_ += "track " + std::to_string(index) + " : " + std::to_string(length) + "\n";
}

void Console::message(Msg message) { contents_ += message_text(message, form_); }

void Console::text(std::string_view text) { contents_ += text; }

}  // namespace scoretext::smf
