#include "compiler/exchange_order.h"
#include "compiler/exchange_order_literal.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <utility>

namespace scoretext {
namespace {


std::vector<std::uint32_t> fast(const std::vector<std::int64_t>& t) { return exchange_sort_order(t); }

TEST(ExchangeOrder, EqualTimesTakeTheLoopsOrder) {
  // E1 and E2 at 5, E3 at 3: the loop swaps E1 with E3, then E2 with E1.
  EXPECT_EQ(fast({5, 5, 3}), (std::vector<std::uint32_t>{2, 1, 0}));
  EXPECT_EQ(literal_exchange_order({5, 5, 3}), (std::vector<std::uint32_t>{2, 1, 0}));
  // No smaller time between or after equal times: they keep the list order.
  EXPECT_EQ(fast({1, 4, 4, 4}), (std::vector<std::uint32_t>{0, 1, 2, 3}));
}

TEST(ExchangeOrder, EmptyAndSingleLists) {
  EXPECT_TRUE(fast({}).empty());
  EXPECT_EQ(fast({-7}), (std::vector<std::uint32_t>{0}));
}

TEST(ExchangeOrder, ShapedListsMatchTheLoop) {
  std::vector<std::vector<std::int64_t>> lists;
  std::vector<std::int64_t> up(300), down(300), same(300, 42), saw(300), halves(301);
  for (int i = 0; i < 300; ++i) {
    up[i] = i / 3;
    down[i] = (300 - i) / 3;
    saw[i] = i % 7;
  }
  for (int i = 0; i < 301; ++i) halves[i] = i < 150 ? 9 : (i % 2 ? 1 : 9);
  for (const auto& t : {up, down, same, saw, halves}) EXPECT_EQ(fast(t), literal_exchange_order(t));
}

TEST(ExchangeOrder, RandomListsWithFrequentTiesMatchTheLoop) {
  std::mt19937_64 rng(20240611);
  int lists = 0;
  for (int range : {1, 2, 3, 5, 10, 40, 1000}) {
    for (int round = 0; round < 1500; ++round) {
      const std::size_t n = std::uniform_int_distribution<std::size_t>(0, 90)(rng);
      std::uniform_int_distribution<std::int64_t> time(-range / 2, range - range / 2);
      std::vector<std::int64_t> t(n);
      for (auto& x : t) x = time(rng);
      ASSERT_EQ(fast(t), literal_exchange_order(t)) << "range " << range << " round " << round;
      ++lists;
    }
  }
  EXPECT_EQ(lists, 7 * 1500);
}

TEST(ExchangeOrder, LongListsMatchTheLoop) {
  // Long enough for many merge passes and groups of hundreds of events.
  std::mt19937_64 rng(7);
  for (int range : {4, 30, 600}) {
    std::vector<std::int64_t> t(3000);
    std::uniform_int_distribution<std::int64_t> time(0, range);
    for (auto& x : t) x = time(rng) * 1'000'000'007LL;
    EXPECT_EQ(fast(t), literal_exchange_order(t)) << "range " << range;
  }
}

}  // namespace
}  // namespace scoretext
