// The grammar of a sung note statement, read by sirenta (vocal_note.h),
// which makes records of it, and by nolwen (lyric_notes.h), which writes
// it out again with the next lyric:
//
//   length [")"] ["]2".."]9"] [articulation] X
//   length [")"] ["]2".."]9"] [articulation] note [velocity] ["lyric"]
//          [attribute, control, LY"..." and PH"..." tokens]
//
// The articulation is a delay (DL, DL1..DL4), a staccato (S, S0..S8) or an
// articulation code (&101..&200).  Where the two tools read the grammar
// differently, the difference is a field of SungDialect.  The note token is
// each tool's own: nolwen passes it on once its letter is A..G
// (Msg::Malformed), sirenta works out its pitch (pitch.h,
// Msg::VocalNoteToken).  Errors are thrown unplaced.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "frontend/messages.h"
#include "frontend/tokens.h"

namespace scoretext::vocal {

struct SungDialect {
  // The tie ends the length group (nolwen: "4 ) ]3" has no bracket), or a
  // bracket may follow it (sirenta).
  bool tie_ends_group;
  // After the note, any token that begins with "V" is its velocity
  // (nolwen), or only "V" followed by a digit (sirenta: "VEL:9" is then an
  // attribute).
  bool velocity_any_v;
  // The message for a velocity above 127.
  Msg velocity_range;
  // The articulation belongs to the length group (nolwen, which writes the
  // group out before it looks further), or the tool reads it after its own
  // rest and tie checks (sirenta: read_sung_length leaves it).
  bool articulation_in_group;
  // Anything after the length group of a tie continuation.
  Msg after_continuation;
};
inline constexpr SungDialect kLyricDialect = {.tie_ends_group = true,
                                              .velocity_any_v = true,
                                              .velocity_range = Msg::VelocityRange,
                                              .articulation_in_group = true,
                                              .after_continuation = Msg::TiePending};
inline constexpr SungDialect kSirentaDialect = {.tie_ends_group = false,
                                                .velocity_any_v = false,
                                                .velocity_range = Msg::NoteOnVelocityRange,
                                                .articulation_in_group = false,
                                                .after_continuation = Msg::Extra};

struct SungLength {
  std::string_view length;   // the length token
  int ticks = 0;             // its ticks, before the bracket
  bool tie = false;          // ")"
  std::string_view bracket;  // "]2".."]9", or empty
  int divisor = 1;           // the bracket's number
  std::string_view articulation;  // where the dialect reads it here, or empty
};

// Reads the length group from the token position.  False, nothing taken,
// when the token there is no length.
bool read_sung_length(Tokens& tokens, const SungDialect& dialect, SungLength& group);

// A tie continuation is its length group alone: any token left throws the
// dialect's message.
void check_continuation_ends(const Tokens& tokens, const SungDialect& dialect);

// The articulation tokens.  DL, DL1..DL4: the divisor of the delay; S,
// S0..S8: the staccato number (S is S1); &101..&200: the code's number.
std::optional<int> delay_divisor(std::string_view token);
std::optional<int> staccato_number(std::string_view token);
std::optional<int> articulation_number(std::string_view token);
bool is_sung_articulation(std::string_view token);

// The sounding part of a note of f ticks under staccato n; the rest after
// it takes the remainder.
std::int64_t staccato_note(int n, std::int64_t f);

// The lengths of the pieces that articulation code `code` (102..201, the
// number plus one) splits a note of `length` ticks into, the note's own
// first; they add up to `length`.  Codes from 122 on do not split.
std::vector<std::int64_t> articulation_pieces(int code, std::int64_t length);

struct SungVelocity {
  std::string_view token;
  int value;
};

// The velocity token at the position, as the dialect reads it: taken and
// checked (a token that is no number Msg::Malformed, above 127 the
// dialect's message), or nothing taken.
std::optional<SungVelocity> read_sung_velocity(Tokens& tokens, const SungDialect& dialect);

// The lyric token "..." at the position: taken, with `raw` the token as
// written where the tool keeps the raw-case copy, or nothing taken (false).
bool read_lyric_token(Tokens& tokens, std::string_view& raw);

// LY"..." and PH"..." (upper-cased token).
bool is_text_token(std::string_view token);

}  // namespace scoretext::vocal
