// What an SMF utility prints on standard output, collected in order so that
// a run can be checked in-process and printed with one write at its end.
// The messages are in the console's form: CP932, or UTF-8 for a UTF-8
// terminal (see frontend/terminal_text.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "frontend/messages.h"
#include "frontend/terminal_text.h"

namespace scoretext::smf {

class Console {
 public:
  explicit Console(TextForm form = TextForm::Cp932) : form_(form) {}

  // Msg::SmfTrackCount with the count
  void track_count(int count);
  // "track <index> : <length>\n"
  void track_line(std::size_t index, std::uint32_t length);
  // A message of the table.
  void message(Msg message);
  // A plain text, as it stands.
  void text(std::string_view text);

  TextForm form() const { return form_; }
  const std::string& contents() const { return contents_; }

 private:
  TextForm form_;
  std::string contents_;
};

}  // namespace scoretext::smf
