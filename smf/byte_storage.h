// Uninitialised storage for a file's bytes.  Large blocks are mapped with
// huge pages where the system offers them: filling 100 MB of ordinary pages
// costs several times more than reading the file itself.
#pragma once

#include <cstddef>
#include <cstdint>

namespace scoretext::smf {

class ByteStorage {
 public:
  ByteStorage() = default;
  // Room for capacity bytes; throws std::bad_alloc when there is none.
  explicit ByteStorage(std::size_t capacity);
  ByteStorage(ByteStorage&& other) noexcept;
  ByteStorage& operator=(ByteStorage&& other) noexcept;
  ByteStorage(const ByteStorage&) = delete;
  ByteStorage& operator=(const ByteStorage&) = delete;
  ~ByteStorage();

  std::uint8_t* data() const { return data_; }
  std::size_t capacity() const { return capacity_; }

 private:
  void release() noexcept;

  std::uint8_t* data_ = nullptr;
  std::size_t capacity_ = 0;
  std::size_t mapped_ = 0;  // length of the mapping, 0 for heap storage
};

}  // namespace scoretext::smf
