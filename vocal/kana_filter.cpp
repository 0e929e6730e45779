#include "vocal/kana_filter.h"

#include <cstdint>

#include "frontend/tool_error.h"
#include "text/kana.h"

namespace scoretext::vocal {

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
      if (const char32_t kana = text::kana_of_sjis(b, byte(i + 1))) {
        text::append_utf8_three(kana, scratch);
        i += 2;
        continue;
      }
    }
    // Every kana's UTF-8 form begins with E3.
    if (b == 0xE3) {
      const char32_t c = text::three_byte_utf8(reinterpret_cast<const std::uint8_t*>(line.data()) + i, n - i);
      if (text::is_kana(c)) {
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
