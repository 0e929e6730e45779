// Variable-length quantities, as a Standard MIDI File stores delta times and
// meta-event lengths: seven bits a byte, most significant first, the top bit
// set in every byte but the last.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace scoretext::smf {

// Four bytes, the most a writer may use, hold the values below this.
inline constexpr std::uint32_t kQuantityLimit = std::uint32_t{1} << 28;
// A value read stops growing here: a longer run of bytes is read through to
// its last byte, but a value this large runs past any file anyway, and the
// value can never overflow.
inline constexpr std::uint64_t kQuantityCeiling = std::uint64_t{1} << 40;

// The bytes `value` takes.
constexpr std::size_t quantity_size(std::uint64_t value) {
  std::size_t bytes = 1;
  for (; value >= 0x80; value >>= 7) ++bytes;
  return bytes;
}

// Appends `value`, which must be below kQuantityLimit (of a larger one, only
// the low 28 bits are written).
inline void append_quantity(std::string& out, std::uint32_t value) {
  std::uint8_t groups[4];
  int n = 0;
  do {
    groups[n++] = static_cast<std::uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value != 0 && n < 4);
  while (n > 1) out.push_back(static_cast<char>(groups[--n] | 0x80));
  out.push_back(static_cast<char>(groups[0]));
}

// Reads the quantity at `position` of `bytes` into `value` and moves
// `position` past it.  False, with `position` at the end of `bytes`, when
// they end before the quantity's last byte; no byte past them is read.
inline bool read_quantity(std::span<const std::uint8_t> bytes, std::size_t& position, std::uint64_t& value) {
  value = 0;
  std::uint8_t byte = 0;
  do {
    if (position >= bytes.size()) return false;
    byte = bytes[position++];
    if (value < kQuantityCeiling) value = value << 7 | (byte & 0x7F);
  } while (byte & 0x80);
  return true;
}

}  // namespace scoretext::smf
