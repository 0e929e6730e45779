// The character set of the messages on one output stream.  Files, pipes and
// the callers that read them get the CP932 bytes the suite has always
// written; a person at a terminal whose locale uses UTF-8 reads the same
// messages in UTF-8.  Only the message texts change: a statement, a file
// name or a definition line shown beside a message is the user's own text
// and is written as it stands.
#pragma once

#include <langinfo.h>
#include <unistd.h>

#include <clocale>
#include <string>
#include <string_view>

#include "frontend/messages.h"

namespace scoretext {

enum class TextForm { Cp932, Utf8 };

// True for the names a C library gives the UTF-8 character set ("UTF-8",
// "utf8", in any case).
inline bool is_utf8_codeset(std::string_view codeset) {
  std::string letters;
  for (const char c : codeset) {
    if (c == '-' || c == '_') continue;
    letters += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return letters == "utf8";
}

// Utf8 when `fd` is a terminal and the character set of the locale that the
// environment names (LC_ALL, LC_CTYPE, LANG) is UTF-8; Cp932 otherwise.  The
// locale is looked at only for a terminal, and the program's own locale is
// "C" again afterwards.
inline TextForm message_form(int fd) {
  if (isatty(fd) != 1) return TextForm::Cp932;
  if (std::setlocale(LC_CTYPE, "") == nullptr) return TextForm::Cp932;
  const bool utf8 = is_utf8_codeset(nl_langinfo(CODESET));
  // Upper-casing and character classes stay those of the "C" locale.
  std::setlocale(LC_CTYPE, "C");
  return utf8 ? TextForm::Utf8 : TextForm::Cp932;
}

// The message of the table in that form.
inline std::string message_text(Msg m, TextForm form) {
  if (form == TextForm::Utf8) return std::string(utf8_text(m));
  return cp932_text(m);
}

}  // namespace scoretext
