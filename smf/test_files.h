// Building small SMF images and scratch files for the unit tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "frontend/messages.h"
#include "frontend/testing.h"
#include "smf/file_image.h"

namespace scoretext::smf::testing {

using Bytes = std::vector<std::uint8_t>;

// A header chunk with the given format and track count, division 480.
Bytes header_chunk(int format, int track_count);
// A track chunk holding events; length is the announced length, which by
// default is the true one.
Bytes track_chunk(const Bytes& events);
Bytes track_chunk(const Bytes& events, std::uint32_t length);
Bytes operator+(Bytes a, const Bytes& b);

// bytes as a loaded file, in storage of exactly their size.
FileImage image_of(const Bytes& bytes);

// The events of a track made up at random: mostly runs of plain channel
// events (a one-byte delta time, a status, data below 80), broken now and
// then by long delta times, meta events, data bytes from 80 up and, rarely,
// a status ardic refuses; cut short at the end now and then.
Bytes random_track_events(std::mt19937& random);

// ardic's walk of a track's data written byte by byte for clarity, to hold
// the real one against: keys moved in place; returns the fault, Msg::Count_
// when there is none.
Msg reference_walk(Bytes& data, std::int32_t semitones);

// A fresh directory for one test, removed with everything in it at the end.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  std::string path(const std::string& name) const;

 private:
  std::filesystem::path dir_;
};

using scoretext::testing::thrown_error;
using scoretext::testing::thrown_message;

void write_bytes(const std::string& path, const Bytes& bytes);
Bytes read_bytes(const std::string& path);

}  // namespace scoretext::smf::testing
