#include "smf/byte_storage.h"

#include <sys/mman.h>

#include <new>
#include <utility>

namespace scoretext::smf {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

}  // namespace

ByteStorage::ByteStorage(std::size_t capacity) : capacity_(capacity) {
  if (capacity < kHugePage) {
    data_ = new std::uint8_t[capacity == 0 ? 1 : capacity];
    return;
  }
  mapped_ = (capacity + kHugePage - 1) / kHugePage * kHugePage;
  void* block = ::mmap(nullptr, mapped_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (block == MAP_FAILED) throw std::bad_alloc();
  // Only advice: without huge pages the storage works all the same.
  ::madvise(block, mapped_, MADV_HUGEPAGE);
  data_ = static_cast<std::uint8_t*>(block);
}

ByteStorage::ByteStorage(ByteStorage&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      capacity_(std::exchange(other.capacity_, 0)),
      mapped_(std::exchange(other.mapped_, 0)) {}

ByteStorage& ByteStorage::operator=(ByteStorage&& other) noexcept {
  if (this != &other) {
    release();
    data_ = std::exchange(other.data_, nullptr);
    capacity_ = std::exchange(other.capacity_, 0);
    mapped_ = std::exchange(other.mapped_, 0);
  }
  return *this;
}

ByteStorage::~ByteStorage() { release(); }

void ByteStorage::release() noexcept {
  if (mapped_ != 0) {
    ::munmap(data_, mapped_);
  } else {
    delete[] data_;
  }
  data_ = nullptr;
}

}  // namespace scoretext::smf
