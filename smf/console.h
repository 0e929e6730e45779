// What an SMF utility prints on standard output, collected in order so that
// a run can be checked in-process and printed with one write at its end.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "frontend/messages.h"

namespace scoretext::smf {

class Console {
 public:
  // "トラック数　<count>\n"
  void track_count(int count);
  // "track <index> : <length>\n"
  void track_line(std::size_t index, std::uint32_t length);
  // A message of the table, in CP932.
  void message(Msg message);
  // A plain text, as it stands.
  void text(std::string_view text);

  const std::string& contents() const { return contents_; }

 private:
  std::string contents_;
};

}  // namespace scoretext::smf
