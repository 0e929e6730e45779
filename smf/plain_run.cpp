#include "smf/plain_run.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#if (defined(__x86_64__) || defined(__i386__)) && !defined(SCORETEXT_PORTABLE)
#include <immintrin.h>
#define SMF_PLAIN_RUNS 1
#endif

namespace scoretext::smf {

namespace {

constexpr std::size_t kBlock = 64;
// The most an event that starts in a block reaches past it: the key and
// value of a note whose status is the block's last byte, and nothing more.
constexpr std::size_t kReach = 3;

}  // namespace

#if SMF_PLAIN_RUNS
namespace {

#define SMF_AVX2 __attribute__((target("avx2")))

// Bit i set for each byte i of the block for which the lanes of a and b
// (bytes 0-31 and 32-63) have their top bit set.
SMF_AVX2 inline std::uint64_t lane_bits(__m256i a, __m256i b) {
  return std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(a))} |
         std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(b))} << 32;
}

// Each byte of a that follows a key status (80-AF): a key, in a plain block.
// The first byte follows the last byte of previous.
SMF_AVX2 inline __m256i after_key_status(__m256i key_status, __m256i previous) {
  return _mm256_alignr_epi8(key_status, _mm256_permute2x128_si256(previous, key_status, 0x21), 15);
}

// The blocks of a run.  The statuses of plain events are exactly the bytes
// with the top bit set.  An event whose status is at p is followed by one
// whose status is at p + 3 (C0-DF: one data byte) or p + 4 (the rest); a
// block is plain when its top-bit bytes are exactly the statuses expected
// from the block before and those that follow the block's own statuses, and
// none of them is F0-FF.  Then every byte between two statuses is a delta
// time or data below 80, and each status begins an event of the chain: the
// first top-bit byte of the block must be one expected from before, each
// later one must follow an earlier one, and no expected status is missing.
SMF_AVX2 PlainRun walk_blocks(std::span<std::uint8_t> window, std::size_t start,
                              const KeyShift& shift) {
  std::uint8_t* const data = window.data();
  const std::size_t size = window.size();
  const __m256i up = _mm256_set1_epi8(static_cast<char>(shift.up));
  const __m256i down = _mm256_set1_epi8(static_cast<char>(shift.down));
  const __m256i top_key = _mm256_set1_epi8(127);
  // Signed byte limits: below C0, E0, F0 and B0.
  const __m256i below_c0 = _mm256_set1_epi8(-64);
  const __m256i below_e0 = _mm256_set1_epi8(-32);
  const __m256i below_f0 = _mm256_set1_epi8(-16);
  const __m256i below_b0 = _mm256_set1_epi8(-80);

  std::size_t block = start;
  std::uint64_t expected = 2;  // the first event's status, after its delta time
  __m256i last_key_status = _mm256_setzero_si256();
  bool plain = true;
  while (size - block >= kBlock + kReach) {
    std::uint8_t* const bytes = data + block;
    const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes));
    const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + 32));
    const std::uint64_t top = lane_bits(low, high);
    const std::uint64_t to_bf = lane_bits(_mm256_cmpgt_epi8(below_c0, low),
                                          _mm256_cmpgt_epi8(below_c0, high));
    const std::uint64_t to_df = lane_bits(_mm256_cmpgt_epi8(below_e0, low),
                                          _mm256_cmpgt_epi8(below_e0, high));
    const std::uint64_t to_ef = lane_bits(_mm256_cmpgt_epi8(below_f0, low),
                                          _mm256_cmpgt_epi8(below_f0, high));
    const std::uint64_t one_data = to_df & ~to_bf;  // C0-DF
    const std::uint64_t two_data = to_ef & ~one_data;
    const std::uint64_t statuses = one_data << 3 | two_data << 4 | expected;
    if (statuses != top || top != to_ef) {
      plain = false;
      break;
    }
    // The key after each note status moves; within a plain block it is
    // below 80, where the saturating steps equal the key table.
    const __m256i key_low = _mm256_cmpgt_epi8(below_b0, low);
    const __m256i key_high = _mm256_cmpgt_epi8(below_b0, high);
    const __m256i moved_low =
        _mm256_min_epu8(_mm256_subs_epu8(_mm256_adds_epu8(low, up), down), top_key);
    const __m256i moved_high =
        _mm256_min_epu8(_mm256_subs_epu8(_mm256_adds_epu8(high, up), down), top_key);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(bytes),
                        _mm256_blendv_epi8(low, moved_low, after_key_status(key_low, last_key_status)));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(bytes + 32),
                        _mm256_blendv_epi8(high, moved_high, after_key_status(key_high, key_low)));
    last_key_status = key_high;
    expected = one_data >> (kBlock - 3) | two_data >> (kBlock - 4);
    block += kBlock;
  }
  // The last status of the run may be a note's whose key is the first byte
  // after it; the window reaches that far.  That byte was not checked, so it
  // moves through the table.
  if (static_cast<std::uint32_t>(_mm256_movemask_epi8(last_key_status)) >> 31) {
    data[block] = shift.keys[data[block]];
  }
  const std::size_t next_event = block + static_cast<std::size_t>(__builtin_ctzll(expected)) - 1;
  return {next_event, plain ? std::numeric_limits<std::size_t>::max() : block + kBlock};
}

bool has_avx2() {
  static const bool avx2 = __builtin_cpu_supports("avx2");
  return avx2;
}

}  // namespace
#endif

// The same walk a byte at a time, step for step as walk_blocks takes it.
PlainRun walk_plain_blocks_scalar(std::span<std::uint8_t> window, std::size_t start,
                                  const KeyShift& shift) {
  std::uint8_t* const data = window.data();
  const std::size_t size = window.size();
  std::size_t block = start;
  std::uint64_t expected = 2;  // the first event's status, after its delta time
  bool last_key_status = false;
  bool plain = true;
  while (size - block >= kBlock + kReach) {
    std::uint8_t* const bytes = data + block;
    std::uint64_t top = 0, to_bf = 0, to_df = 0, to_ef = 0, key_status = 0;
    for (std::size_t i = 0; i < kBlock; ++i) {
      const std::uint8_t b = bytes[i];
      const std::uint64_t bit = std::uint64_t{1} << i;
      if (b >= 0x80) top |= bit;
      if (b >= 0x80 && b <= 0xBF) to_bf |= bit;
      if (b >= 0x80 && b <= 0xDF) to_df |= bit;
      if (b >= 0x80 && b <= 0xEF) to_ef |= bit;
      if (b >= 0x80 && b <= 0xAF) key_status |= bit;
    }
    const std::uint64_t one_data = to_df & ~to_bf;  // C0-DF
    const std::uint64_t two_data = to_ef & ~one_data;
    const std::uint64_t statuses = one_data << 3 | two_data << 4 | expected;
    if (statuses != top || top != to_ef) {
      plain = false;
      break;
    }
    // The saturating steps, as the vector walk takes them.
    const std::uint64_t keys = key_status << 1 | (last_key_status ? 1 : 0);
    for (std::size_t i = 0; i < kBlock; ++i) {
      if (!(keys >> i & 1)) continue;
      const unsigned raised = std::min(bytes[i] + unsigned{shift.up}, 255u);
      const unsigned lowered = raised > shift.down ? raised - shift.down : 0u;
      bytes[i] = static_cast<std::uint8_t>(std::min(lowered, 127u));
    }
    last_key_status = key_status >> (kBlock - 1) & 1;
    expected = one_data >> (kBlock - 3) | two_data >> (kBlock - 4);
    block += kBlock;
  }
  if (last_key_status) data[block] = shift.keys[data[block]];
  const std::size_t next_event = block + static_cast<std::size_t>(__builtin_ctzll(expected)) - 1;
  return {next_event, plain ? std::numeric_limits<std::size_t>::max() : block + kBlock};
}

bool walk_plain_blocks_avx2(std::span<std::uint8_t> window, std::size_t start, const KeyShift& shift,
                            PlainRun& run) {
#if SMF_PLAIN_RUNS
  if (!has_avx2()) return false;
  run = walk_blocks(window, start, shift);
  return true;
#else
  (void)window;
  (void)start;
  (void)shift;
  (void)run;
  return false;
#endif
}

PlainRun walk_plain_run(std::span<std::uint8_t> window, std::size_t start, const KeyShift& shift) {
#if SMF_PLAIN_RUNS
  if (has_avx2()) return walk_blocks(window, start, shift);
  // Without AVX2 the event walk takes everything: a block a byte at a time
  // costs more than the events it holds.
  return {start, std::numeric_limits<std::size_t>::max()};
#elif defined(SCORETEXT_PORTABLE)
  return walk_plain_blocks_scalar(window, start, shift);
#else
  (void)window;
  (void)shift;
  return {start, std::numeric_limits<std::size_t>::max()};
#endif
}

}  // namespace scoretext::smf
