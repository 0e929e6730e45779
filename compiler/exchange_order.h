// The order in which a plain exchange sort leaves a list of timed events.
//
// Two tools order their events with this loop and write them in the order it
// gives, so equal times keep the loop's own (not the list's) order:
//
//   for i in 0..n-2, for j in i..n-1: if time[i] > time[j] swap i, j
//
// exchange_sort_order gives that same order in O(n log n) time and O(n)
// memory: result[k] is the list index of the event that the loop leaves at
// position k.  Lists of 2^32 or more events throw std::length_error.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace scoretext {

std::vector<std::uint32_t> exchange_sort_order(std::span<const std::int64_t> times);

}  // namespace scoretext
