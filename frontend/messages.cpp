#include "frontend/messages.h"

#include <array>
#include <iterator>

#include "frontend/cp932.h"

namespace scoretext {
namespace {

constexpr std::array<std::string_view, static_cast<size_t>(Msg::Count_)> kTexts = {
#define SCORETEXT_MESSAGE_TEXT(name, text) text,
    SCORETEXT_MESSAGES(SCORETEXT_MESSAGE_TEXT)
#undef SCORETEXT_MESSAGE_TEXT
};

constexpr bool every_text_given() {
  for (std::string_view text : kTexts) {
    if (text.empty()) return false;
  }
  return true;
}
static_assert(every_text_given(), "a message of the table has no text");

// The CP932 bytes of every text, made when the suite was built; an empty list
// when the build machine had no converter.
constexpr std::string_view kBytes[] = {
    std::string_view(),  // keeps the list from being empty
#include "message_bytes.inc"
};
constexpr bool kHaveBytes = std::size(kBytes) == kTexts.size() + 1;
static_assert(kHaveBytes || std::size(kBytes) == 1, "the message bytes do not match the table");

}  // namespace

std::string_view utf8_text(Msg m) { return kTexts[static_cast<size_t>(m)]; }

std::string cp932_text(Msg m) {
  if (kHaveBytes) return std::string(kBytes[static_cast<size_t>(m) + 1]);
  return to_cp932(utf8_text(m));
}

std::string to_cp932(std::string_view utf8) {
  bool ascii = true;
  for (const char c : utf8) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return std::string(utf8);
  std::string out;
  if (!convert_to_cp932(utf8, out)) {
    return "(no CP932 converter on this system; message in UTF-8) " + std::string(utf8);
  }
  return out;
}

}  // namespace scoretext
