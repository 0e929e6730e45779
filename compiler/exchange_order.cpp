#include "compiler/exchange_order.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <stdexcept>
#include <utility>


// How the loop treats equal times.  The events of one time value v end up in
// an order that depends only on where the events with times up to v stand in
// the list.  Take v's events e1..ek in list order, let g_j be the number of
// events with a smaller time that stand between e_j and e_(j+1), and g_k the
// number after e_k.  Starting from the run [e1], for j = 1..k-1 the run is
// rotated left by g_j and e_(j+1) is appended; at the end it is rotated left
// by g_k (rotations modulo the run's length).  Values come out in ascending
// order, each as its run.
//
// The counts: every g_j is a difference of "events with a smaller time
// before this one in the list", which a merge sort counts as it sorts.
//
// The runs: seen as a ring with a cursor on the run's first event, a
// rotation only moves the cursor and an append inserts right before it.  In
// an array that holds the ring from a fixed point, each append is therefore
// an insertion at an index known from the cursor's number alone, so the
// indices are found first and the events placed afterwards, last insertion
// first, each into the free slot its index names (a Fenwick tree finds it).

#include "smf/byte_storage.h"

namespace scoretext {
namespace {

// An event while the times are sorted: its time, its list index, and how
// many events before it in the list have a smaller time.
struct Entry {
  std::int64_t time;
  std::uint32_t index;
  std::uint32_t smaller_before;
};

// Merges two sorted neighbouring runs of `from` into `to`.  The left run
// holds the earlier list positions, so each right entry gains the left
// entries with a smaller time: exactly those taken before it when equal
// times take the right entry first.
void merge_counting(const Entry* from, Entry* to, std::size_t lo, std::size_t mid, std::size_t hi) {
  std::size_t i = lo;
  std::size_t j = mid;
  std::size_t out = lo;
  while (i < mid && j < hi) {
    if (from[j].time <= from[i].time) {
      to[out] = from[j++];
      to[out++].smaller_before += static_cast<std::uint32_t>(i - lo);
    } else {
      to[out++] = from[i++];
    }
  }
  while (i < mid) to[out++] = from[i++];
  while (j < hi) {
    to[out] = from[j++];
    to[out++].smaller_before += static_cast<std::uint32_t>(mid - lo);
  }
}

// Sorts a short run in place by insertion, which counts as it goes: an
// entry passes over the earlier entries whose time is not smaller.
void insertion_sort_counting(Entry* run, std::size_t size) {
  for (std::size_t i = 1; i < size; ++i) {
    Entry e = run[i];
    std::size_t at = i;
    while (at > 0 && run[at - 1].time >= e.time) {
      run[at] = run[at - 1];
      --at;
    }
    e.smaller_before = static_cast<std::uint32_t>(at);
    run[at] = e;
  }
}

// Uninitialised room for the entries.  The sort runs over the whole of it
// many times, so large blocks come in huge pages (ByteStorage): faulting in
// hundreds of megabytes of small pages costs more than a merge pass.
class EntryBuffer {
 public:
  explicit EntryBuffer(std::size_t n) : storage_(n * sizeof(Entry)) {}
  Entry* get() const { return reinterpret_cast<Entry*>(storage_.data()); }

 private:
  smf::ByteStorage storage_;
};

// Sorts the entries by time, equal times in descending list order, and
// gives each its count of smaller times before it.  The work goes back and
// forth between `a` and `b`; returns the one that holds the result.
Entry* sort_counting(std::span<const std::int64_t> times, Entry* a, Entry* b) {
  const std::size_t n = times.size();
  for (std::size_t i = 0; i < n; ++i) a[i] = {times[i], static_cast<std::uint32_t>(i), 0};
  constexpr std::size_t kShortRun = 32;
  for (std::size_t lo = 0; lo < n; lo += kShortRun) insertion_sort_counting(a + lo, std::min(kShortRun, n - lo));
  for (std::size_t width = kShortRun; width < n; width *= 2) {
    for (std::size_t lo = 0; lo < n; lo += 2 * width) {
      const std::size_t mid = std::min(lo + width, n);
      const std::size_t hi = std::min(lo + 2 * width, n);
      merge_counting(a, b, lo, mid, hi);
    }
    std::swap(a, b);
  }
  return a;
}

// Places k insertions given by their indices (insertion j went to index
// at[j] of an array then holding j entries) into the k slots of the final
// array: slot[j] is where insertion j ends up.
class InsertionPlacer {
 public:
  void place(std::size_t k, const std::vector<std::uint32_t>& at, std::vector<std::uint32_t>& slot) {
    // A Fenwick tree over the slots, all free: node i covers lowbit(i)
    // slots.  Nodes past k read as full, so that the search needs no
    // bounds check and no branch.
    std::size_t top = 1;
    while (top * 2 <= k) top *= 2;
    tree_.resize(2 * top);
    for (std::size_t i = 1; i <= k; ++i) tree_[i] = static_cast<std::uint32_t>(i & (~i + 1));
    for (std::size_t i = k + 1; i < 2 * top; ++i) tree_[i] = UINT32_MAX;
    for (std::size_t j = k; j-- > 0;) {
      // The (at[j] + 1)-th free slot, then taken.
      std::uint32_t rank = at[j] + 1;
      std::size_t pos = 0;
      for (std::size_t step = top; step > 0; step /= 2) {
        const std::uint32_t below = tree_[pos + step];
        const bool past = below < rank;
        pos += past ? step : 0;
        rank -= past ? below : 0;
      }
      slot[j] = static_cast<std::uint32_t>(pos);
      for (std::size_t i = pos + 1; i <= k; i += i & (~i + 1)) --tree_[i];
    }
  }

 private:
  std::vector<std::uint32_t> tree_;
};

// Writes the loop's order of one time value's events.  `group` holds them in
// descending list order; `smaller` is the number of events with a smaller
// time.
class GroupOrderer {
 public:
  void order(const Entry* group, std::size_t k, std::uint32_t smaller, std::uint32_t* out) {
    if (k == 1) {
      out[0] = group[0].index;
      return;
    }
    // e_(j+1) is group[k - 1 - j].
    const auto event = [&](std::size_t j) -> const Entry& { return group[k - 1 - j]; };
    at_.resize(k);
    slot_.resize(k);
    std::size_t cursor = 0;
    std::size_t length = 1;
    at_[0] = 0;
    for (std::size_t j = 1; j < k; ++j) {
      const std::uint32_t gap = event(j).smaller_before - event(j - 1).smaller_before;
      cursor += gap % length;
      if (cursor >= length) cursor -= length;
      at_[j] = static_cast<std::uint32_t>(cursor);
      ++cursor;
      ++length;
    }
    cursor += (smaller - event(k - 1).smaller_before) % length;
    if (cursor >= length) cursor -= length;

    placer_.place(k, at_, slot_);
    ring_.resize(k);
    for (std::size_t j = 0; j < k; ++j) ring_[slot_[j]] = event(j).index;
    for (std::size_t r = 0; r < k; ++r) {
      out[r] = ring_[cursor];
      if (++cursor == k) cursor = 0;
    }
  }

 private:
  std::vector<std::uint32_t> at_;
  std::vector<std::uint32_t> slot_;
  std::vector<std::uint32_t> ring_;
  InsertionPlacer placer_;
};

}  // namespace

std::vector<std::uint32_t> exchange_sort_order(std::span<const std::int64_t> times) {
  if (times.size() > std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("too many events to order");
  }
  const std::size_t n = times.size();
  const EntryBuffer first(n);
  const EntryBuffer second(n);
  const Entry* sorted = sort_counting(times, first.get(), second.get());
  std::vector<std::uint32_t> order(n);
  GroupOrderer orderer;
  for (std::size_t begin = 0; begin < n;) {
    std::size_t end = begin + 1;
    while (end < n && sorted[end].time == sorted[begin].time) ++end;
    orderer.order(sorted + begin, end - begin, static_cast<std::uint32_t>(begin),
                  order.data() + begin);
    begin = end;
  }
  return order;
}

}  // namespace scoretext
