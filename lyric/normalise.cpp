#include "lyric/normalise.h"

#include <array>

#include "frontend/tool_error.h"

namespace scoretext::lyric {

namespace {

constexpr unsigned char kSjisLongVowelLead = 0x81;
constexpr unsigned char kSjisLongVowelTrail = 0x5B;

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

// A Shift_JIS kana or the long-vowel mark, kept as it is.
bool is_sjis_kana(unsigned char lead, unsigned char trail) {
  if (lead == kSjisLongVowelLead) return trail == kSjisLongVowelTrail;
  if (lead == 0x82) return trail >= 0x9F && trail <= 0xF1;
  if (lead == 0x83) return trail >= 0x40 && trail <= 0x96 && trail != 0x7F;
  return false;
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

bool is_continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The code point of a three-byte UTF-8 sequence at `p` (with `left` bytes
// available), or 0 when there is none.
char32_t three_byte_utf8(const unsigned char* p, std::size_t left) {
  if (left < 3 || (p[0] & 0xF0) != 0xE0 || !is_continuation(p[1]) || !is_continuation(p[2])) return 0;
  return (char32_t{p[0] & 0x0Fu} << 12) | (char32_t{p[1] & 0x3Fu} << 6) | char32_t{p[2] & 0x3Fu};
}

}  // namespace

bool append_kana(char32_t cp, std::string& out) {
  unsigned char lead;
  unsigned char trail;
  if (cp == 0x30FC) {
    lead = kSjisLongVowelLead;
    trail = kSjisLongVowelTrail;
  } else if (cp >= 0x3041 && cp <= 0x3093) {
    lead = 0x82;
    trail = static_cast<unsigned char>(0x9F + (cp - 0x3041));
  } else if (cp >= 0x30A1 && cp <= 0x30F6) {
    // Shift_JIS leaves 0x83 0x7F out of the katakana row.
    lead = 0x83;
    const unsigned offset = static_cast<unsigned>(cp - 0x30A1);
    trail = static_cast<unsigned char>(0x40 + offset + (offset >= 0x3F ? 1 : 0));
  } else {
    return false;
  }
  out.push_back(static_cast<char>(lead));
  out.push_back(static_cast<char>(trail));
  return true;
}

void normalise_line(std::string_view line, std::string& out) {
  out.clear();
  const auto* p = reinterpret_cast<const unsigned char*>(line.data());
  const std::size_t n = line.size();
  std::size_t i = 0;
  while (i < n) {
    const unsigned char c = p[i];
    if (c == '-') {
      out.push_back(static_cast<char>(kSjisLongVowelLead));
      out.push_back(static_cast<char>(kSjisLongVowelTrail));
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
      if (is_sjis_kana(c, trail)) {
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
    if (const char32_t cp = three_byte_utf8(p + i, n - i)) {
      if (append_kana(cp, out)) {
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
