#include "smf/test_files.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace scoretext::smf::testing {

Bytes header_chunk(int format, int track_count) {
  return {0x4D, 0x54, 0x68, 0x64, 0, 0, 0, 6, 0, static_cast<std::uint8_t>(format),
          static_cast<std::uint8_t>(track_count >> 8), static_cast<std::uint8_t>(track_count),
          0x01, 0xE0};
}

Bytes track_chunk(const Bytes& events) {
  return track_chunk(events, static_cast<std::uint32_t>(events.size()));
}

Bytes track_chunk(const Bytes& events, std::uint32_t length) {
  Bytes chunk = {0x4D, 0x54, 0x72, 0x6B, static_cast<std::uint8_t>(length >> 24),
                 static_cast<std::uint8_t>(length >> 16), static_cast<std::uint8_t>(length >> 8),
                 static_cast<std::uint8_t>(length)};
  return chunk + events;
}

Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

ScratchDir::ScratchDir() {
  std::string name = (std::filesystem::temp_directory_path() / "smf-test-XXXXXX").string();
  if (!mkdtemp(name.data())) throw std::runtime_error("cannot make a scratch directory");
  dir_ = name;
}

ScratchDir::~ScratchDir() { std::filesystem::remove_all(dir_); }

std::string ScratchDir::path(const std::string& name) const { return (dir_ / name).string(); }

void write_bytes(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace scoretext::smf::testing
