#include "frontend/messages.h"

#include <array>
#include <iconv.h>
#include <iterator>

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
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    return "(no CP932 converter on this system; message in UTF-8) " + std::string(utf8);
  }
  std::string out;
  out.resize(utf8.size() * 2 + 4);
  char* in = const_cast<char*>(utf8.data());
  size_t in_left = utf8.size();
  char* dst = out.data();
  size_t dst_left = out.size();
  while (in_left > 0) {
    if (iconv(cd, &in, &in_left, &dst, &dst_left) != static_cast<size_t>(-1)) break;
    // A byte that cannot be converted is copied as it stands.
    *dst++ = *in++;
    --in_left;
    --dst_left;
  }
  out.resize(out.size() - dst_left);
  iconv_close(cd);
  return out;
}

}  // namespace scoretext
