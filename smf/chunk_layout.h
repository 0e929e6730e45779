// The chunks of a Standard MIDI File as they are laid out: the header chunk
// ("MThd", its length 6, then format, track count and division, 16 bits
// each) and the track chunks ("MTrk", a 32-bit length, the events), every
// number big-endian.  Reading them is header.h's and track_chunk.h's work;
// this is where the offsets and the event bytes the suite writes live, and
// how a writer appends them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "smf/size_limits.h"

namespace scoretext::smf {

inline constexpr std::array<std::uint8_t, 4> kHeaderType = {'M', 'T', 'h', 'd'};
inline constexpr std::array<std::uint8_t, 4> kTrackType = {'M', 'T', 'r', 'k'};
// The header chunk's length field: its data, after the chunk header.
inline constexpr std::uint32_t kHeaderLength = 6;
static_assert(kHeaderBytes == kChunkHeaderBytes + kHeaderLength);

// The events the suite's writers put in a track: notes (the channel in the
// status's low four bits) and meta events (FF, type, length, data).
inline constexpr std::uint8_t kNoteOffStatus = 0x80;
inline constexpr std::uint8_t kNoteOnStatus = 0x90;
inline constexpr std::uint8_t kMetaStatus = 0xFF;
inline constexpr std::uint8_t kEndOfTrackMeta = 0x2F;
inline constexpr std::uint8_t kTempoMeta = 0x51;
inline constexpr std::uint8_t kTimeSignatureMeta = 0x58;
inline constexpr std::uint8_t kKeySignatureMeta = 0x59;

// Where a chunk's length field stands, from the chunk's start.
inline constexpr std::size_t kLengthAt = 4;
// Fields of the header chunk, from the file's start.
inline constexpr std::size_t kFormatAt = 8;
inline constexpr std::size_t kTrackCountAt = 10;
inline constexpr std::size_t kDivisionAt = 12;
// The first track chunk follows the header chunk: its length field and its
// events.
inline constexpr std::size_t kFirstTrackLengthAt = kHeaderBytes + kLengthAt;
inline constexpr std::size_t kFirstTrackDataAt = kHeaderBytes + kChunkHeaderBytes;

// Appends the low `bytes` bytes of `value`, most significant first.
inline void append_big_endian(std::string& out, std::uint32_t value, int bytes) {
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

// Appends a chunk's type and length field.
inline void append_chunk_header(std::string& out, const std::array<std::uint8_t, 4>& type, std::uint32_t length) {
  out.append(type.begin(), type.end());
  append_big_endian(out, length, 4);
}

// Sets the length field of the chunk that starts at `chunk_start`, once its
// data, which runs to the end of `out`, is written.
inline void set_chunk_length(std::string& out, std::size_t chunk_start) {
  const std::size_t data_at = chunk_start + kChunkHeaderBytes;
  const auto length = static_cast<std::uint32_t>(out.size() - data_at);
  for (std::size_t i = 0; i < 4; ++i)
    out[chunk_start + kLengthAt + i] = static_cast<char>((length >> (8 * (3 - i))) & 0xFF);
}

// Appends the whole header chunk.
inline void append_header_chunk(std::string& out, std::uint16_t format, std::uint16_t track_count,
                                std::uint16_t division) {
  append_chunk_header(out, kHeaderType, kHeaderLength);
  append_big_endian(out, format, 2);
  append_big_endian(out, track_count, 2);
  append_big_endian(out, division, 2);
}

}  // namespace scoretext::smf
