// Tables of the music itself that several tools read: time signatures,
// note lengths in ticks, and the ranges of note numbers and velocities.
// Each table is kept once, here.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace scoretext {

// Ticks to the quarter note, wherever the suite counts time.
inline constexpr int kTicksPerQuarter = 480;
inline constexpr int kTicksPerWhole = 4 * kTicksPerQuarter;

// A velocity (V0 .. V127) and a MIDI note number stay within 0..127.
inline constexpr int kVelocityMax = 127;
inline constexpr int kNoteNumberMax = 127;

// One time signature that an SB statement may name, written exactly as here.
struct TimeSignature {
  std::string_view name;
  int numerator;
  int denominator;
  int denominator_power;  // 2 for a quarter, 3 for an eighth ...
  constexpr int ticks_per_measure() const { return numerator * kTicksPerWhole / denominator; }
};

// The 19 time signatures in their table order; the order is the index that
// a stored signature keeps.
inline constexpr std::array<TimeSignature, 19> kTimeSignatures = {{
    {"2/2", 2, 2, 1},   {"2/4", 2, 4, 2},   {"2/8", 2, 8, 3},    {"3/2", 3, 2, 1},
    {"3/4", 3, 4, 2},   {"3/8", 3, 8, 3},   {"4/4", 4, 4, 2},    {"4/8", 4, 8, 3},
    {"6/4", 6, 4, 2},   {"6/8", 6, 8, 3},   {"9/8", 9, 8, 3},    {"9/16", 9, 16, 4},
    {"12/8", 12, 8, 3}, {"12/16", 12, 16, 4}, {"5/4", 5, 4, 2},  {"5/8", 5, 8, 3},
    {"7/4", 7, 4, 2},   {"7/8", 7, 8, 3},   {"8/8", 8, 8, 3},
}};

// The index of `token` in kTimeSignatures, compared as written.
constexpr std::optional<int> find_time_signature(std::string_view token) {
  for (std::size_t i = 0; i < kTimeSignatures.size(); ++i) {
    if (kTimeSignatures[i].name == token) return static_cast<int>(i);
  }
  return std::nullopt;
}

// A length token of score text and its duration in ticks.
struct LengthTicks {
  std::string_view token;
  int ticks;
};

// The 27 length tokens: four and two whole notes ("14", "12"), whole to
// sixty-fourth, each plain, dotted (half again) and double-dotted (three
// quarters again, rounded down for "64..").
inline constexpr std::array<LengthTicks, 27> kLengthTicks = {{
    {"14", 7680}, {"14.", 11520}, {"14..", 13440}, {"12", 3840}, {"12.", 5760}, {"12..", 6720},
    {"1", 1920},  {"1.", 2880},   {"1..", 3360},   {"2", 960},   {"2.", 1440},  {"2..", 1680},
    {"4", 480},   {"4.", 720},    {"4..", 840},    {"8", 240},   {"8.", 360},   {"8..", 420},
    {"16", 120},  {"16.", 180},   {"16..", 210},   {"32", 60},   {"32.", 90},   {"32..", 105},
    {"64", 30},   {"64.", 45},    {"64..", 52},
}};

// The ticks of a length token, or nothing when `token` is no length.
constexpr std::optional<int> length_ticks(std::string_view token) {
  for (const LengthTicks& l : kLengthTicks) {
    if (l.token == token) return l.ticks;
  }
  return std::nullopt;
}

}  // namespace scoretext
