// The statement splitter's one scan: the first ";", "/" or "=" of a text,
// found sixteen bytes at a time.  Only bytes inside the text are read.
#pragma once

#include <cstddef>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace scoretext {

// The offset of the first ';', '/' or '=' in [text, text + n), or n.
inline std::size_t find_statement_mark(const char* text, std::size_t n) {
#if defined(__SSE2__)
  const __m128i semicolon = _mm_set1_epi8(';');
  const __m128i slash = _mm_set1_epi8('/');
  const __m128i equals = _mm_set1_epi8('=');
  auto hits = [&](const char* block) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
    const __m128i marks = _mm_or_si128(_mm_cmpeq_epi8(bytes, semicolon), _mm_cmpeq_epi8(bytes, slash));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(marks, _mm_cmpeq_epi8(bytes, equals))));
  };
  std::size_t at = 0;
  for (; n - at >= 16; at += 16) {
    if (const unsigned m = hits(text + at)) return at + static_cast<std::size_t>(__builtin_ctz(m));
  }
  if (at == n) return n;
  // The last few bytes, from a copy padded with blanks.
  char tail[16];
  std::memset(tail, ' ', sizeof tail);
  std::memcpy(tail, text + at, n - at);
  const unsigned m = hits(tail);
  return m ? at + static_cast<std::size_t>(__builtin_ctz(m)) : n;
#else
  for (std::size_t i = 0; i < n; ++i)
    if (text[i] == ';' || text[i] == '/' || text[i] == '=') return i;
  return n;
#endif
}

}  // namespace scoretext
