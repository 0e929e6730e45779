// Operator new and delete of the fuzz targets: large blocks kept for the next
// run instead of going back to the address sanitizer.
//
// Every program allocates a few blocks of fixed size on each run (the input
// reader's chunk, the output buffer).  The sanitizer maps a block of that size
// afresh, faults its pages in, poisons its shadow when it is freed and unmaps
// it later: on a short input that was two thirds of a run.  Here a freed
// block of at least kLarge bytes is kept, poisoned whole, and handed back to
// the next request of exactly its size, so that:
//   - an access past the requested size still meets the sanitizer's own red
//     zone (the block came from malloc with that very size);
//   - an access to the first kPoisoned bytes of a freed block, while it waits
//     here, is reported as a use after poison;
//   - the block's first bytes are filled as the sanitizer fills a new block,
//     so a run cannot see what the previous run left there.
// Everything else goes straight to malloc and free, which the sanitizer
// checks as before; what is lost is only its report of a delete that does
// not match its new (new[] freed by delete, or by free).
#include <sanitizer/allocator_interface.h>
#include <sanitizer/asan_interface.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>

namespace {

constexpr std::size_t kLarge = 64 * 1024;
// Poisoned part of a kept block: its start, where every fuzz-sized input
// lands.  Poisoning a whole 1 MiB chunk and clearing it again cost a quarter
// of a run in shadow writes and page faults.
constexpr std::size_t kPoisoned = kLarge;
constexpr std::size_t kSlots = 32;
constexpr std::size_t kFilled = 4096;  // as the sanitizer's malloc_fill
constexpr unsigned char kFill = 0xbe;

struct Slot {
  void* block = nullptr;
  std::size_t size = 0;
};

Slot slots[kSlots];
std::size_t next_evicted = 0;
std::mutex slots_lock;

void* take_kept(std::size_t size) {
  std::lock_guard<std::mutex> hold(slots_lock);
  for (Slot& slot : slots) {
    if (slot.block && slot.size == size) {
      void* block = slot.block;
      slot.block = nullptr;
      __asan_unpoison_memory_region(block, kPoisoned);
      std::memset(block, kFill, size < kFilled ? size : kFilled);
      return block;
    }
  }
  return nullptr;
}

// When every slot is taken, the block kept longest ago goes back to the
// sanitizer: the slots would otherwise fill for good with blocks of sizes
// that come once (a long statement's tokens, a macro's expansion), and the
// chunks that every run asks for again would no longer be kept.
void keep(void* block, std::size_t size) {
  void* evicted = nullptr;
  {
    std::lock_guard<std::mutex> hold(slots_lock);
    Slot* free_slot = nullptr;
    for (Slot& slot : slots) {
      if (!slot.block) {
        free_slot = &slot;
        break;
      }
    }
    if (!free_slot) {
      free_slot = &slots[next_evicted];
      next_evicted = (next_evicted + 1) % kSlots;
      evicted = free_slot->block;
    }
    __asan_poison_memory_region(block, kPoisoned);
    free_slot->block = block;
    free_slot->size = size;
  }
  std::free(evicted);
}

void* allocate(std::size_t size) {
  if (size >= kLarge) {
    if (void* block = take_kept(size)) return block;
  }
  return std::malloc(size ? size : 1);
}

void release(void* block) {
  if (!block) return;
  // A pointer the allocator does not own goes to free(), which reports it.
  if (__sanitizer_get_ownership(block)) {
    const std::size_t size = __sanitizer_get_allocated_size(block);  // as asked
    if (size >= kLarge) {
      keep(block, size);
      return;
    }
  }
  std::free(block);
}

void* allocate_or_throw(std::size_t size) {
  void* block = allocate(size);
  if (!block) throw std::bad_alloc();
  return block;
}

void* allocate_aligned(std::size_t size, std::align_val_t align) {
  const std::size_t a = static_cast<std::size_t>(align);
  void* block = nullptr;
  if (::posix_memalign(&block, a < sizeof(void*) ? sizeof(void*) : a, size ? size : 1) != 0) return nullptr;
  return block;
}

}  // namespace

void* operator new(std::size_t size) { return allocate_or_throw(size); }
void* operator new[](std::size_t size) { return allocate_or_throw(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void operator delete(void* block) noexcept { release(block); }
void operator delete[](void* block) noexcept { release(block); }
void operator delete(void* block, std::size_t) noexcept { release(block); }
void operator delete[](void* block, std::size_t) noexcept { release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { release(block); }

// Aligned blocks are rare and never kept.
void* operator new(std::size_t size, std::align_val_t align) {
  void* block = allocate_aligned(size, align);
  if (!block) throw std::bad_alloc();
  return block;
}
void* operator new[](std::size_t size, std::align_val_t align) { return operator new(size, align); }
void* operator new(std::size_t size, std::align_val_t align, const std::nothrow_t&) noexcept {
  return allocate_aligned(size, align);
}
void* operator new[](std::size_t size, std::align_val_t align, const std::nothrow_t&) noexcept {
  return allocate_aligned(size, align);
}
void operator delete(void* block, std::align_val_t) noexcept { std::free(block); }
void operator delete[](void* block, std::align_val_t) noexcept { std::free(block); }
void operator delete(void* block, std::size_t, std::align_val_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept { std::free(block); }
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept { std::free(block); }

// The sanitizer's quarantine of freed blocks, 256 MB by default, kept every
// run on fresh pages; a run of a fuzz-sized input frees far less than this,
// so a use after free within the run is still caught.  ASAN_OPTIONS, when
// set, still decides.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=16"; }
