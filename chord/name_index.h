// An index over a fixed list of names, built at compile time: an open-
// addressing hash table, so that the chord tables can be written in their
// musical order and still be looked up by exact, case-sensitive name with
// one hash and, as a rule, one comparison.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace scoretext::chord {

namespace detail {

constexpr std::uint32_t hash_name(std::string_view name) {
  std::uint32_t h = 2166136261u;  // FNV-1a
  for (char c : name) {
    h ^= static_cast<unsigned char>(c);
    h *= 16777619u;
  }
  return h;
}

// At least twice the number of names, a power of two.
constexpr std::size_t buckets_for(std::size_t n) {
  std::size_t b = 1;
  while (b < 2 * n) b *= 2;
  return b;
}

}  // namespace detail

template <std::size_t N>
class NameIndex {
  static constexpr std::size_t kBuckets = detail::buckets_for(N);
  static constexpr std::size_t kMask = kBuckets - 1;

 public:
  constexpr explicit NameIndex(const std::array<std::string_view, N>& names) : names_(names) {
    for (std::size_t i = 0; i < N; ++i) {
      if (names_[i].empty()) well_formed_ = false;
      std::size_t b = detail::hash_name(names_[i]) & kMask;
      while (slots_[b] != 0) {
        if (names_[slots_[b] - 1] == names_[i]) well_formed_ = false;
        b = (b + 1) & kMask;
      }
      slots_[b] = static_cast<std::uint16_t>(i + 1);
    }
  }

  // Position of the name in the list as written, or nothing.
  constexpr std::optional<std::size_t> find(std::string_view name) const {
    for (std::size_t b = detail::hash_name(name) & kMask; slots_[b] != 0; b = (b + 1) & kMask) {
      if (names_[slots_[b] - 1] == name) return slots_[b] - 1;
    }
    return std::nullopt;
  }

  // True when no name occurs twice and none is empty.
  constexpr bool well_formed() const { return well_formed_; }

 private:
  std::array<std::string_view, N> names_;
  std::array<std::uint16_t, kBuckets> slots_{};
  bool well_formed_ = true;
};

}  // namespace scoretext::chord
