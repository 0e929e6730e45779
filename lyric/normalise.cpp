#include "lyric/normalise.h"

#include <array>

#include "frontend/tool_error.h"
#include "text/kana.h"

namespace scoretext::lyric {

namespace {

constexpr bool is_ascii_letter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The ASCII characters a lyric may hold besides the letters.
constexpr bool is_kept_ascii(unsigned char c) {
  switch (c) {
    case '[': case ']': case ' ': case '\'': case '\\':
    case '4': case '@': case '{': case ':': case '_': case '0':
      return true;
    default:
      return is_ascii_letter(c);
  }
}

// is_kept_ascii for every ASCII code, looked up once per character.
constexpr auto kKeptAscii = [] {
  std::array<bool, 0x80> kept{};
  for (unsigned c = 0; c < 0x80; ++c) kept[c] = is_kept_ascii(static_cast<unsigned char>(c));
  return kept;
}();

// A full-width character that stands for an ASCII one, in both encodings.
struct FullWidth {
  unsigned char sjis_lead;
  unsigned char sjis_trail;
  char32_t code_point;
  char ascii;
};

// The full-width semicolon (0x81 0x47, U+FF1B) is missing on purpose.
constexpr std::array<FullWidth, 9> kFullWidth = {{
    {0x81, 0x40, 0x3000, ' '},
    {0x81, 0x6D, 0xFF3B, '['},
    {0x81, 0x6E, 0xFF3D, ']'},
    {0x81, 0x66, 0x2019, '\''},
    {0x81, 0x8F, 0xFFE5, '\\'},
    {0x82, 0x53, 0xFF14, '4'},
    {0x81, 0x97, 0xFF20, '@'},
    {0x81, 0x6F, 0xFF5B, '{'},
    {0x81, 0x51, 0xFF3F, '_'},
}};

// The ASCII form of a two-byte Shift_JIS character, or 0.
char sjis_to_ascii(unsigned char lead, unsigned char trail) {
  if (lead == 0x82 && trail >= 0x60 && trail <= 0x79) return static_cast<char>('A' + (trail - 0x60));
  if (lead == 0x82 && trail >= 0x81 && trail <= 0x9A) return static_cast<char>('a' + (trail - 0x81));
  for (const FullWidth& f : kFullWidth) {
    if (f.sjis_lead == lead && f.sjis_trail == trail) return f.ascii;
  }
  return 0;
}

// The ASCII form of a full-width code point, or 0.
char full_width_to_ascii(char32_t cp) {
  if (cp >= 0xFF21 && cp <= 0xFF3A) return static_cast<char>('A' + (cp - 0xFF21));
  if (cp >= 0xFF41 && cp <= 0xFF5A) return static_cast<char>('a' + (cp - 0xFF41));
  for (const FullWidth& f : kFullWidth) {
    if (f.code_point == cp) return f.ascii;
  }
  return 0;
}

}  // namespace

void normalise_line(std::string_view line, std::string& out) {
  out.clear();
  const auto* p = reinterpret_cast<const unsigned char*>(line.data());
  const std::size_t n = line.size();
  std::size_t i = 0;
  while (i < n) {
    const unsigned char c = p[i];
    if (c == '-') {
      out.push_back(static_cast<char>(text::kSjisLongVowelLead));
      out.push_back(static_cast<char>(text::kSjisLongVowelTrail));
      ++i;
      continue;
    }
    if (c < 0x80) {
      // A run of ASCII characters, kept as they are.
      std::size_t end = i;
      for (; end < n && p[end] < 0x80 && p[end] != '-'; ++end) {
        if (!kKeptAscii[p[end]]) throw ToolError(Msg::LyricBadCharacter);
      }
      out.append(line.data() + i, end - i);
      i = end;
      continue;
    }
    // Two-byte Shift_JIS: the leads 0x81..0x83 that the table knows.
    if (c >= 0x81 && c <= 0x83 && i + 1 < n) {
      const unsigned char trail = p[i + 1];
      if (text::kana_of_sjis(c, trail) != 0) {  // kept as it is
        out.append(line.substr(i, 2));
        i += 2;
        continue;
      }
      if (const char ascii = sjis_to_ascii(c, trail)) {
        out.push_back(ascii);
        i += 2;
        continue;
      }
    }
    // Three-byte UTF-8.
    if (const char32_t cp = text::three_byte_utf8(p + i, n - i)) {
      if (text::append_sjis_kana(cp, out)) {
        i += 3;
        continue;
      }
      if (const char ascii = full_width_to_ascii(cp)) {
        out.push_back(ascii);
        i += 3;
        continue;
      }
    }
    throw ToolError(Msg::LyricBadCharacter);
  }
}

}  // namespace scoretext::lyric
