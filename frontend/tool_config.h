// What distinguishes one text tool's use of the front end from another's.
// Every tool describes itself with one of these; nothing is copied.
#pragma once

#include <cstddef>
#include <string_view>

#include "frontend/limits.h"
#include "frontend/messages.h"

namespace scoretext {

// What an error report shows after the line number.
enum class ErrorContext {
  Statement,   // the statement as read, before its macros are expanded
  LineAsRead,  // the whole line as read: comment and all, before any line
               // filter (sirenta shows its Shift_JIS line, not the UTF-8)
};

struct ToolConfig {
  // Usage text written when the argument count is wrong.
  std::string_view usage;
  // Number of file arguments (two for most tools).
  int file_arguments = 2;
  // A token of this many characters or more is refused.
  std::size_t token_refused = limits::kTokenRefusedShort;
  // Tokens that begin with a double quote run to the next one (melodies).
  bool quote_aware = false;
  // The closing quote of such a token does not count against the limit
  // (lyrics).
  bool closing_quote_free = false;
  // Sung parts: a double quote anywhere in a token opens a stretch in which
  // blanks do not separate; the next quote closes it and ends the token at
  // once ("4 C3 \"sa[s a]\"DYN:0" gives 4, C3, "sa[s a]", DYN:0).  The whole
  // text is upper-cased, quotes and all; the raw-case copy keeps it as
  // written.  The closing quote does not count against the limit, and a
  // token reaches the length limit before an unclosed quote is refused.
  bool quotes_within_tokens = false;
  // Keep the tokens as written beside the upper-cased ones (chord names).
  bool keep_raw_case = false;
  // SS#, SSB and SSC are known.
  bool accidental_settings = true;
  // MIDI statements are known at all, and with the CC#/MM# controller names.
  bool midi_statements = true;
  bool midi_cc_list = true;
  // Statements are refused while a tie is pending (drum parts have no ties).
  bool tie_checks = true;
  ErrorContext error_context = ErrorContext::Statement;
  // Message for a note statement that does not begin with a length.
  Msg bad_length = Msg::Malformed;
};

}  // namespace scoretext
