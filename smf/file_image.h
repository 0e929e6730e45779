// A whole input file held in memory: small files, pipes and devices are read
// at once like this (InputStream reads large regular files piece by piece).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "frontend/files.h"
#include "smf/byte_storage.h"

namespace scoretext::smf {

class FileImage {
 public:
  FileImage() = default;
  FileImage(ByteStorage storage, std::size_t size) : storage_(std::move(storage)), size_(size) {}

  std::span<std::uint8_t> bytes() { return {storage_.data(), size_}; }
  std::span<const std::uint8_t> bytes() const { return {storage_.data(), size_}; }
  std::size_t size() const { return size_; }

 private:
  ByteStorage storage_;
  std::size_t size_ = 0;
};

// Bytes as the character view that file writes take.
inline std::string_view as_chars(std::span<const std::uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// The size of a regular file, which can be read into storage made once;
// false for pipes, devices and the like, whose size is not known ahead.
bool known_size(int fd, std::size_t& size);

// Reads the file at path whole.  A path that cannot be opened, that names a
// directory or that fails while it is read is an open error (a read error is
// never taken for the end of the file); a file of more than kMaxFileBytes is
// refused as too large, before its bytes are read when its size is known in
// advance.  Pipes and other unsized files are read until their end, within
// the same limit.
FileImage load_file(const std::string& path);
// The same for a file already open.
FileImage load_file(const InputFile& file);

}  // namespace scoretext::smf
