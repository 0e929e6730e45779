// Capacities of the notation.  Storage is sized to the input; these are the
// edges at which the tools refuse it.
#pragma once

#include <cstddef>

namespace scoretext::limits {

// A line holds at most this many characters before its line end; a line of
// kLineRefused characters or more is refused.
inline constexpr std::size_t kLineRefused = 99999;
// A statement rebuilt by macro expansion may hold at most kLineRefused - 1
// characters.
inline constexpr std::size_t kStatementRefused = 99999;
// Token length: a token of 999 characters or more is refused, unless the
// tool's configuration takes the longer limit (quendro, morrik, vastrel and
// nolwen refuse one of 1000 or more).
inline constexpr std::size_t kTokenRefusedShort = 999;
inline constexpr std::size_t kTokenRefusedLong = 1000;
// A statement holds at most 9999 tokens.
inline constexpr std::size_t kTokenSlots = 10000;
// Macro table: count and name length (names of 10 characters or more refused).
inline constexpr std::size_t kMacros = 100000;
inline constexpr std::size_t kMacroNameRefused = 10;
// Pattern numbers 0..999.
inline constexpr int kPatterns = 1000;
// Explicit notes, tablature tokens or drum groups per note statement.
inline constexpr int kNotesPerStatement = 8;

}  // namespace scoretext::limits
