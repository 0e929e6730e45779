// Guitar tablature: each note is a string number 1-6 followed by a fret
// number 0-15, sounding in standard tuning.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "frontend/note_writer.h"

namespace scoretext::tab {

// The pitch of a tablature token, such as "F4#" for "12", or nothing when
// the token is no tablature token.
std::optional<std::string_view> tablature_pitch(std::string_view token);

class TablatureExpander : public Expander {
 public:
  void expand(Tokens& tokens, const LengthGroup& length, std::string& group) override;
};

}  // namespace scoretext::tab
