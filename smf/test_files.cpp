#include "smf/test_files.h"

#include <stdlib.h>

#include <algorithm>
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

FileImage image_of(const Bytes& bytes) {
  ByteStorage storage(bytes.size());
  std::copy(bytes.begin(), bytes.end(), storage.data());
  return FileImage(std::move(storage), bytes.size());
}

namespace {

void add_plain_events(Bytes& data, std::mt19937& random, std::uint32_t count) {
  for (std::uint32_t i = 0; i < count; ++i) {
    const auto status = static_cast<std::uint8_t>(0x80 + random() % 0x70);
    data.push_back(static_cast<std::uint8_t>(random() % 0x80));
    data.push_back(status);
    data.push_back(static_cast<std::uint8_t>(random() % 0x80));
    if (status < 0xC0 || status >= 0xE0) data.push_back(static_cast<std::uint8_t>(random() % 0x80));
  }
}

std::uint8_t any_byte(std::mt19937& random) { return static_cast<std::uint8_t>(random()); }

}  // namespace

Bytes random_track_events(std::mt19937& random) {
  Bytes data;
  const std::uint32_t pieces = 1 + random() % 8;
  for (std::uint32_t piece = 0; piece < pieces; ++piece) {
    add_plain_events(data, random, random() % 60);
    switch (random() % 10) {
      case 0:  // a delta time of two bytes, then of many
        data.insert(data.end(), {0x83, 0x60, 0x90, 0x3C, 0x40});
        data.insert(data.end(), random() % 70, 0x80);
        data.insert(data.end(), {0x00, 0x80, 0x3C, 0x00});
        break;
      case 1: {  // a meta event with any bytes in it
        const std::uint32_t length = random() % 150;
        data.insert(data.end(), {0x00, 0xFF, 0x01});
        if (length >= 0x80) data.push_back(static_cast<std::uint8_t>(0x80 | length >> 7));
        data.push_back(static_cast<std::uint8_t>(length & 0x7F));
        for (std::uint32_t i = 0; i < length; ++i) data.push_back(any_byte(random));
        break;
      }
      case 2:  // a key and a value from 80 up
        data.insert(data.end(), {0x00, 0x90, static_cast<std::uint8_t>(0x80 | random()), any_byte(random)});
        break;
      case 3:  // a program from 80 up
        data.insert(data.end(), {0x00, 0xC5, static_cast<std::uint8_t>(0x80 | random())});
        break;
      case 4:
        if (random() % 8 == 0) {  // system exclusive or running status
          data.insert(data.end(), {0x00, static_cast<std::uint8_t>(random() % 2 ? 0xF0 : 0x3C), 0x01, 0xF7});
        }
        break;
      default:
        break;
    }
  }
  if (random() % 5 == 0) data.resize(random() % (data.size() + 1));
  return data;
}

Msg reference_walk(Bytes& data, std::int32_t semitones) {
  std::size_t at = 0;
  const auto left = [&] { return data.size() - at; };
  while (at < data.size()) {
    do {  // the delta time
      if (left() < 1) return Msg::SmfEventOverrun;
    } while (data[at++] & 0x80);
    if (left() < 1) return Msg::SmfEventOverrun;
    const std::uint8_t status = data[at++];
    if (status >= 0x80 && status <= 0xEF) {
      const std::size_t count = status >= 0xC0 && status <= 0xDF ? 1 : 2;
      if (left() < count) return Msg::SmfEventOverrun;
      if (status <= 0xAF) {
        const std::int64_t key = std::int64_t{data[at]} + semitones;
        data[at] = static_cast<std::uint8_t>(key < 0 ? 0 : key > 127 ? 127 : key);
      }
      at += count;
      continue;
    }
    if (status != 0xFF) return Msg::SmfUnsupported;
    if (left() < 1) return Msg::SmfEventOverrun;
    ++at;  // the meta event's type
    std::uint64_t length = 0;
    std::uint8_t byte = 0;
    do {
      if (left() < 1) return Msg::SmfEventOverrun;
      byte = data[at++];
      if (length < (std::uint64_t{1} << 40)) length = length << 7 | (byte & 0x7F);
    } while (byte & 0x80);
    if (length > left()) return Msg::SmfEventOverrun;
    at += static_cast<std::size_t>(length);
  }
  return Msg::Count_;
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
