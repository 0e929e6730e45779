// Build step: writes the CP932 bytes of every message of the table as C++
// string literals, in the table's order, so that the programs write their
// messages without loading a converter when they run.  Without a CP932
// converter on the build machine it writes an empty list, and the programs
// convert when they write, as before.
#include <cerrno>
#include <cstdio>
#include <iconv.h>
#include <string>
#include <string_view>

#include "frontend/messages.h"

namespace {

constexpr std::string_view kTexts[] = {
#define SCORETEXT_MESSAGE_TEXT(name, text) text,
    SCORETEXT_MESSAGES(SCORETEXT_MESSAGE_TEXT)
#undef SCORETEXT_MESSAGE_TEXT
};

// The same conversion as the programs' own: a byte that cannot be converted
// is kept as it stands.
bool convert(iconv_t cd, std::string_view utf8, std::string& out) {
  out.assign(utf8.size() * 2 + 4, '\0');
  char* in = const_cast<char*>(utf8.data());
  size_t in_left = utf8.size();
  char* dst = out.data();
  size_t dst_left = out.size();
  while (in_left > 0) {
    if (iconv(cd, &in, &in_left, &dst, &dst_left) != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) return false;
    *dst++ = *in++;
    --in_left;
    --dst_left;
  }
  out.resize(out.size() - dst_left);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::FILE* f = std::fopen(argv[1], "w");
  if (!f) return 1;
  std::fputs("// Made by message_bytes_gen from the message table; not to be edited.\n", f);
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd != reinterpret_cast<iconv_t>(-1)) {
    std::string bytes;
    for (std::string_view text : kTexts) {
      if (!convert(cd, text, bytes)) return 1;
      std::fputs("std::string_view(\"", f);
      for (unsigned char c : bytes) std::fprintf(f, "\\x%02x", c);
      std::fprintf(f, "\", %zu),\n", bytes.size());
    }
    iconv_close(cd);
  }
  return std::fclose(f) == 0 ? 0 : 1;
}
