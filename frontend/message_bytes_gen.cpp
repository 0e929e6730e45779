// Build step: writes the CP932 bytes of every message of the table as C++
// string literals, in the table's order, so that the programs write their
// messages without loading a converter when they run.  Without a CP932
// converter on the build machine it writes an empty list, and the programs
// convert when they write, as before.
#include <cstdio>
#include <string>
#include <string_view>

#include "frontend/cp932.h"
#include "frontend/messages.h"

namespace {

constexpr std::string_view kTexts[] = {
#define SCORETEXT_MESSAGE_TEXT(name, text) text,
    SCORETEXT_MESSAGES(SCORETEXT_MESSAGE_TEXT)
#undef SCORETEXT_MESSAGE_TEXT
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::FILE* f = std::fopen(argv[1], "w");
  if (!f) return 1;
  std::fputs("// Made by message_bytes_gen from the message table; not to be edited.\n", f);
  std::string bytes;
  for (std::string_view text : kTexts) {
    if (!scoretext::convert_to_cp932(text, bytes)) break;  // no converter: an empty list
    std::fputs("std::string_view(\"", f);
    for (unsigned char c : bytes) std::fprintf(f, "\\x%02x", c);
    std::fprintf(f, "\", %zu),\n", bytes.size());
  }
  return std::fclose(f) == 0 ? 0 : 1;
}
