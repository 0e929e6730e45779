// Times the exchange-sort order on a large list, and the literal loop on a
// smaller one (checking that both give the same order there).
//
//   exchange_order_bench EVENTS TIME_RANGE LOOP_EVENTS
//
// Times are drawn from 0..TIME_RANGE-1, so a small range gives many ties.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <random>
#include <utility>
#include <vector>

#include "compiler/exchange_order.h"
#include "compiler/exchange_order_literal.h"

namespace {

std::vector<std::int64_t> random_times(std::size_t n, std::int64_t range) {
  std::mt19937_64 rng(12345);
  std::vector<std::int64_t> t(n);
  for (auto& x : t) x = static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(range));
  return t;
}


template <typename F>
double seconds(F&& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: exchange_order_bench EVENTS TIME_RANGE LOOP_EVENTS\n");
    return 1;
  }
  const std::size_t n = std::strtoull(argv[1], nullptr, 10);
  const std::int64_t range = std::strtoll(argv[2], nullptr, 10);
  const std::size_t loop_n = std::strtoull(argv[3], nullptr, 10);

  const std::vector<std::int64_t> times = random_times(n, range);
  std::size_t check = 0;
  const double fast = seconds([&] { check = scoretext::exchange_sort_order(times).front(); });
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("order of %zu events, times 0..%lld: %.2f s, peak %.0f MiB (first %zu)\n", n,
              static_cast<long long>(range - 1), fast, usage.ru_maxrss / 1024.0, check);

  if (loop_n > 0) {
    const std::vector<std::int64_t> few = random_times(loop_n, range);
    std::vector<std::uint32_t> by_loop, by_order;
    const double loop = seconds([&] { by_loop = scoretext::literal_exchange_order(few); });
    const double order = seconds([&] { by_order = scoretext::exchange_sort_order(few); });
    std::printf("%zu events: literal loop %.2f s, order %.4f s, %s\n", loop_n, loop, order,
                by_loop == by_order ? "same order" : "ORDERS DIFFER");
    if (by_loop != by_order) return 1;
  }
  return 0;
}
