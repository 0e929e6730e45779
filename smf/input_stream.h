// An input file as the SMF utilities go through it: from its start to its
// end, a window of its bytes at a time, the bytes handed on to the output as
// they become final.  A regular file larger than the buffer is read piece by
// piece through it; anything else (small files, pipes, devices) is read
// whole at once, as load_file reads it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>

#include "frontend/files.h"
#include "frontend/tool_error.h"
#include "smf/byte_storage.h"
#include "smf/console.h"
#include "smf/file_image.h"
#include "smf/pending_output.h"

namespace scoretext::smf {

// The buffer of a file read piece by piece: one huge page where the system
// has them (see ByteStorage), which the reads fill and the writes empty at
// little more than the cost of cp's own copy; smaller buffers of ordinary
// pages cost a fifth more.
inline constexpr std::size_t kStreamBufferBytes = 2 * 1024 * 1024;

class InputStream {
 public:
  // Opens path.  An open error when it cannot be opened (or, read whole,
  // read); Msg::SmfTooLarge when its size passes the limit.
  explicit InputStream(const std::string& path, std::size_t buffer_bytes = kStreamBufferBytes);
  // A file already read whole.
  explicit InputStream(FileImage image);
  InputStream(const InputStream&) = delete;
  InputStream& operator=(const InputStream&) = delete;

  // The size of the file, as it was when opened.
  std::size_t size() const { return size_; }

  // The bytes from position on, as many as are at hand but at least
  // min(count, size() - position).  Everything before position becomes
  // final and is handed on; a later window never starts before it.  Bytes
  // between the last window and position are passed on unexamined.  A read
  // failure, or a file found shorter than its size, throws the file's open
  // error.
  std::span<std::uint8_t> window(std::size_t position, std::size_t count);

  // Final bytes from offset `from` up to `to` go to output, in order.
  void hand_on(PendingOutput& output, std::size_t from, std::size_t to);

  // Goes to the end, handing on what is left.  A file that turns out longer
  // than its size is a read failure too.
  void finish();
  // Goes to the end handing on nothing: after a fault, for a read failure
  // further on, which would be reported instead.
  void read_rest();
  // A read has failed (and its open error has been thrown).
  bool failed() const { return failed_; }

 private:
  std::uint8_t* data() { return streamed_ ? buffer_.data() : image_.bytes().data(); }
  void slide_to(std::size_t position);
  void load_at_least(std::size_t count);
  void read_more(std::size_t until);
  void check_end();
  void release(std::size_t end);
  [[noreturn]] void fail();

  std::string name_;
  std::optional<InputFile> file_;
  bool streamed_ = false;
  FileImage image_;     // a file read whole
  ByteStorage buffer_;  // a file read piece by piece
  std::size_t size_ = 0;
  std::size_t base_ = 0;      // the file offset of the first byte at hand
  std::size_t loaded_ = 0;    // bytes at hand from base_
  std::size_t released_ = 0;  // bytes before this offset are final
  PendingOutput* output_ = nullptr;
  std::size_t output_from_ = 0;
  std::size_t output_to_ = 0;
  bool failed_ = false;
};

// After a fault found part-way through the inputs, the rest of each input
// in turn (up to the first missing one) is read: a read failure anywhere is
// reported in the fault's place, as when every input is read whole before
// anything is looked at.  Throws the open error of the first input that
// fails now; false when one has failed already, the fault being its failure.
bool fault_stands(std::initializer_list<InputStream*> inputs);

// Runs `walk(listing)` over one input.  The track listing it collects is
// printed when the walk succeeds, and when it fails with a fault that
// stands; a read failure found instead replaces the listing too.
template <typename Walk>
void walk_with_listing(InputStream& input, Console& console, Walk&& walk) {
  Console listing(console.form());
  try {
    walk(listing);
  } catch (const ToolError&) {
    if (fault_stands({&input})) console.text(listing.contents());
    throw;
  }
  console.text(listing.contents());
}

}  // namespace scoretext::smf
