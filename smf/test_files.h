// Building small SMF images and scratch files for the unit tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "frontend/messages.h"
#include "frontend/testing.h"

namespace scoretext::smf::testing {

using Bytes = std::vector<std::uint8_t>;

// A header chunk with the given format and track count, division 480.
Bytes header_chunk(int format, int track_count);
// A track chunk holding events; length is the announced length, which by
// default is the true one.
Bytes track_chunk(const Bytes& events);
Bytes track_chunk(const Bytes& events, std::uint32_t length);
Bytes operator+(Bytes a, const Bytes& b);

// A fresh directory for one test, removed with everything in it at the end.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  std::string path(const std::string& name) const;

 private:
  std::filesystem::path dir_;
};

using scoretext::testing::thrown_message;

void write_bytes(const std::string& path, const Bytes& bytes);
Bytes read_bytes(const std::string& path);

}  // namespace scoretext::smf::testing
