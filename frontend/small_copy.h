// Copies of the few bytes a token, a note name or a length text holds.
// A call to the C library's memcpy costs more than the copy itself at these
// sizes; up to sixteen bytes are copied here with two overlapping loads and
// stores, which never touch a byte outside either range.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace scoretext {

// Longer texts go to the C library's copy, out of line: the compiler then
// does not take the rare long copy for one out of a short source's bounds.
[[gnu::noinline]] inline void copy_long(char* to, const char* from, std::size_t n) { std::memcpy(to, from, n); }

inline void copy_small(char* to, const char* from, std::size_t n) {
  if (n >= 8) {
    if (n > 16) {
      copy_long(to, from, n);
      return;
    }
    std::uint64_t head, tail;
    std::memcpy(&head, from, 8);
    std::memcpy(&tail, from + n - 8, 8);
    std::memcpy(to, &head, 8);
    std::memcpy(to + n - 8, &tail, 8);
  } else if (n >= 4) {
    std::uint32_t head, tail;
    std::memcpy(&head, from, 4);
    std::memcpy(&tail, from + n - 4, 4);
    std::memcpy(to, &head, 4);
    std::memcpy(to + n - 4, &tail, 4);
  } else if (n > 0) {
    // One to three bytes: the first, the middle and the last.
    to[0] = from[0];
    to[n / 2] = from[n / 2];
    to[n - 1] = from[n - 1];
  }
}

// A word of at most eight characters kept in storage of eight bytes or more,
// so that it can be copied as one eight-byte block whatever its length.
struct PaddedWord {
  const char* text;
  std::size_t size;
};

}  // namespace scoretext
