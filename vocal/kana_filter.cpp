#include "vocal/kana_filter.h"

#include <cstdint>

#include "frontend/tool_error.h"

namespace scoretext::vocal {

namespace {

constexpr char32_t kLongVowelMark = 0x30FC;
constexpr char32_t kFirstHiragana = 0x3041;
constexpr char32_t kLastHiragana = 0x3093;
constexpr char32_t kFirstKatakana = 0x30A1;
constexpr char32_t kLastKatakana = 0x30F6;

bool is_kana(char32_t c) {
  return (c >= kFirstHiragana && c <= kLastHiragana) || (c >= kFirstKatakana && c <= kLastKatakana) ||
         c == kLongVowelMark;
}

// Every kana lies in U+3000..U+30FF: three UTF-8 bytes beginning with E3.
void append_utf8(std::string& out, char32_t c) {
  out += static_cast<char>(0xE0 | (c >> 12));
  out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  out += static_cast<char>(0x80 | (c & 0x3F));
}

// The kana that the Shift_JIS pair (lead, trail) encodes, or 0.
char32_t shift_jis_kana(std::uint8_t lead, std::uint8_t trail) {
  if (lead == 0x81 && trail == 0x5B) return kLongVowelMark;
  if (lead == 0x82 && trail >= 0x9F && trail <= 0xF1) return kFirstHiragana + (trail - 0x9F);
  if (lead == 0x83 && trail >= 0x40 && trail <= 0x96 && trail != 0x7F) {
    // The trail byte 0x7F is skipped by the encoding.
    return kFirstKatakana + (trail - 0x40) - (trail > 0x7F ? 1 : 0);
  }
  return 0;
}

bool is_continuation(std::uint8_t b) { return (b & 0xC0) == 0x80; }

}  // namespace

std::string_view convert_kana_line(std::string_view line, std::string& scratch) {
  line = line.substr(0, line.find("//"));
  scratch.clear();
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(line[i]); };
  const std::size_t n = line.size();
  for (std::size_t i = 0; i < n;) {
    const std::uint8_t b = byte(i);
    if (b < 0x80) {
      scratch += static_cast<char>(b);
      ++i;
      continue;
    }
    if (i + 1 < n) {
      if (const char32_t kana = shift_jis_kana(b, byte(i + 1))) {
        append_utf8(scratch, kana);
        i += 2;
        continue;
      }
    }
    if (b == 0xE3 && i + 2 < n && is_continuation(byte(i + 1)) && is_continuation(byte(i + 2))) {
      const char32_t c = 0x3000 | ((byte(i + 1) & 0x3F) << 6) | (byte(i + 2) & 0x3F);
      if (is_kana(c)) {
        scratch.append(line.substr(i, 3));
        i += 3;
        continue;
      }
    }
    throw ToolError(Msg::UnusableCharacter);
  }
  return scratch;
}

}  // namespace scoretext::vocal
