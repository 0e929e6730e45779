// The exchange sort itself, quadratic: the order that exchange_sort_order
// must reproduce.  For the tests and the benchmark only.
#pragma once

#include <cstdint>
#include <numeric>
#include <utility>
#include <vector>

namespace scoretext {

inline std::vector<std::uint32_t> literal_exchange_order(std::vector<std::int64_t> t) {
  std::vector<std::uint32_t> order(t.size());
  std::iota(order.begin(), order.end(), 0u);
  for (std::size_t i = 0; i + 1 < t.size(); ++i) {
    for (std::size_t j = i; j < t.size(); ++j) {
      if (t[i] > t[j]) {
        std::swap(t[i], t[j]);
        std::swap(order[i], order[j]);
      }
    }
  }
  return order;
}

}  // namespace scoretext
