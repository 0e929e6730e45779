// A sorted index over a fixed list of names, built at compile time, so that
// the chord tables can be written in their musical order and still be looked
// up by exact, case-sensitive name with a binary search.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace scoretext::chord {

template <std::size_t N>
class NameIndex {
 public:
  constexpr explicit NameIndex(const std::array<std::string_view, N>& names) : names_(names) {
    for (std::size_t i = 0; i < N; ++i) order_[i] = static_cast<std::uint16_t>(i);
    std::sort(order_.begin(), order_.end(),
              [this](std::uint16_t a, std::uint16_t b) { return names_[a] < names_[b]; });
  }

  // Position of the name in the list as written, or nothing.
  constexpr std::optional<std::size_t> find(std::string_view name) const {
    const auto* it = std::lower_bound(order_.begin(), order_.end(), name,
                                      [this](std::uint16_t i, std::string_view key) { return names_[i] < key; });
    if (it == order_.end() || names_[*it] != name) return std::nullopt;
    return *it;
  }

  // True when no name occurs twice (and none is empty).
  constexpr bool well_formed() const {
    for (std::size_t i = 0; i < N; ++i) {
      if (names_[order_[i]].empty()) return false;
      if (i > 0 && names_[order_[i - 1]] == names_[order_[i]]) return false;
    }
    return true;
  }

 private:
  std::array<std::string_view, N> names_;
  std::array<std::uint16_t, N> order_{};
};

}  // namespace scoretext::chord
