// The attribute and control tokens of a sung note, checked the same way by
// sirenta (which uses the values) and nolwen (which passes them on):
//
//   VEL:n OPE:n        0..127       velocity, opening
//   DA: PB: PL: DD:    0..100       accent, bend depth, bend length, decay
//   PF: PR:            0..1         fall and rise portamento
//   DYN: BRE: BRI: CLE: GEN: POR:   curves of 1 to 6 values 0..127
//   PIT:               -8192..8191  curve
//   PBS:               0..24        curve
//
// Each keyword may be given once per note.  A repeat or a value out of range
// throws the keyword's own message; a single value that is no number throws
// Msg::Malformed.  In a curve, values are separated by ',', a value without
// digits reads as 0, a non-digit throws Msg::AttributeUnknown, a ',' at the end
// Msg::Extra and a seventh value Msg::ControlTooManyValues.
// Errors are thrown unplaced.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "frontend/messages.h"
#include "vocal/vocal_record.h"

namespace scoretext::vocal {

// The single-valued attributes, in the order of their keywords above.
enum class Attribute : int {
  Velocity,
  Opening,
  Accent,
  BendDepth,
  BendLength,
  Decay,
  FallPortamento,
  RisePortamento,
  Count_
};

class NoteAttributes {
 public:
  // Takes one upper-cased token.  Returns false when it is no attribute or
  // control token (nothing changed); throws when the keyword is repeated,
  // its value out of range or malformed.
  bool take(std::string_view token);
  // A velocity token ("V64") was given: a following VEL: is then a repeat.
  void velocity_given() { velocity_given_ = true; }

  // The attribute's value, when its token was given.
  std::optional<int> value(Attribute a) const { return values_[static_cast<int>(a)]; }
  // Sets the attributes that were given on `style` and `velocity`.
  void apply(NoteStyle& style, int& velocity) const;

  // True when at least one control curve was given.
  bool has_controls() const { return has_controls_; }
  // The curves given, null when none was.
  std::shared_ptr<const NoteControls> controls() const;

 private:
  std::array<std::optional<int>, static_cast<int>(Attribute::Count_)> values_{};
  bool velocity_given_ = false;
  bool has_controls_ = false;
  NoteControls controls_;
};

// Parses the values of a curve (the text after "DYN:" and the like), each
// checked against [low, high] with `range_message`.
ControlList parse_control_list(std::string_view text, std::int32_t low, std::int32_t high,
                               Msg range_message);

}  // namespace scoretext::vocal
