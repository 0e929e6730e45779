// Membership in the fixed word lists of the statements (time signatures,
// keys, controller names).
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

namespace scoretext {

template <std::size_t N>
bool in_list(const std::array<std::string_view, N>& list, std::string_view word) {
  return std::find(list.begin(), list.end(), word) != list.end();
}

}  // namespace scoretext
