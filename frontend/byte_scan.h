// The front end's byte scans, sixteen bytes at a time where the processor
// has SSE2:
//
//   find_statement_mark  the statement splitter's one scan: the first ";",
//                        "/" or "=" of a text
//   scan_token_block     the tokenizer's block: sixteen bytes upper-cased
//                        (a to z only), with the masks of their blanks and
//                        quotes
//
// Each has a twin written a byte at a time (the *_scalar forms), always
// built, which gives the same result for every input; byte_scan_test.cpp
// holds the two side by side.  The portable build (SCORETEXT_PORTABLE) has
// no SSE2 code and uses the twins alone.  Only bytes inside the given ranges
// are read or written.
#pragma once

#include <cstddef>
#include <cstring>

#if defined(__SSE2__) && !defined(SCORETEXT_PORTABLE)
#include <emmintrin.h>
#define SCORETEXT_SSE2 1
#endif

namespace scoretext {

inline constexpr std::size_t kScanBlock = 16;

// The offset of the first ';', '/' or '=' in [text, text + n), or n.
inline std::size_t find_statement_mark_scalar(const char* text, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i)
    if (text[i] == ';' || text[i] == '/' || text[i] == '=') return i;
  return n;
}

// Bit i is set for byte i of a block.
struct BlockMasks {
  unsigned blanks = 0;
  unsigned quotes = 0;
};

// Upper-cases the kScanBlock bytes at `in` into `out` (which may be `in`)
// and gives the masks of their blanks and '"'.
inline BlockMasks scan_token_block_scalar(const char* in, char* out) {
  BlockMasks masks;
  for (std::size_t i = 0; i < kScanBlock; ++i) {
    const char c = in[i];
    if (c == ' ') masks.blanks |= 1u << i;
    if (c == '"') masks.quotes |= 1u << i;
    out[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return masks;
}

#if SCORETEXT_SSE2
inline std::size_t find_statement_mark_sse2(const char* text, std::size_t n) {
  const __m128i semicolon = _mm_set1_epi8(';');
  const __m128i slash = _mm_set1_epi8('/');
  const __m128i equals = _mm_set1_epi8('=');
  auto hits = [&](const char* block) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
    const __m128i marks = _mm_or_si128(_mm_cmpeq_epi8(bytes, semicolon), _mm_cmpeq_epi8(bytes, slash));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(marks, _mm_cmpeq_epi8(bytes, equals))));
  };
  std::size_t at = 0;
  for (; n - at >= kScanBlock; at += kScanBlock) {
    if (const unsigned m = hits(text + at)) return at + static_cast<std::size_t>(__builtin_ctz(m));
  }
  if (at == n) return n;
  // The last few bytes, from a copy padded with blanks.
  char tail[kScanBlock];
  std::memset(tail, ' ', sizeof tail);
  std::memcpy(tail, text + at, n - at);
  const unsigned m = hits(tail);
  return m ? at + static_cast<std::size_t>(__builtin_ctz(m)) : n;
}

inline BlockMasks scan_token_block_sse2(const char* in, char* out) {
  // A byte in 'a'..'z' loses 0x20.  The compare is signed, so bytes from
  // 0x80 up read as negative and are never in range.
  const __m128i below_a = _mm_set1_epi8('a' - 1);
  const __m128i above_z = _mm_set1_epi8('z' + 1);
  const __m128i case_bit = _mm_set1_epi8(0x20);
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
  const __m128i lower = _mm_and_si128(_mm_cmpgt_epi8(bytes, below_a), _mm_cmplt_epi8(bytes, above_z));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_sub_epi8(bytes, _mm_and_si128(lower, case_bit)));
  BlockMasks masks;
  masks.blanks = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(' '))));
  masks.quotes = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('"'))));
  return masks;
}
#endif

inline std::size_t find_statement_mark(const char* text, std::size_t n) {
#if SCORETEXT_SSE2
  return find_statement_mark_sse2(text, n);
#else
  return find_statement_mark_scalar(text, n);
#endif
}

inline BlockMasks scan_token_block(const char* in, char* out) {
#if SCORETEXT_SSE2
  return scan_token_block_sse2(in, out);
#else
  return scan_token_block_scalar(in, out);
#endif
}

}  // namespace scoretext
