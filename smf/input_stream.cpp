#include "smf/input_stream.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "frontend/tool_error.h"
#include "smf/size_limits.h"

namespace scoretext::smf {

InputStream::InputStream(const std::string& path, std::size_t buffer_bytes) : name_(path) {
  file_.emplace(path);
  std::size_t size = 0;
  if (known_size(file_->fd(), size) && size > buffer_bytes) {
    if (size > kMaxFileBytes) throw ToolError::bare(Msg::SmfTooLarge);
    streamed_ = true;
    size_ = size;
    buffer_ = ByteStorage(std::max<std::size_t>(buffer_bytes, 1));
    return;
  }
  image_ = load_file(*file_);
  size_ = image_.size();
  loaded_ = size_;
  file_.reset();
}

InputStream::InputStream(FileImage image) : image_(std::move(image)) {
  size_ = image_.size();
  loaded_ = size_;
}

std::span<std::uint8_t> InputStream::window(std::size_t position, std::size_t count) {
  if (position < released_) throw std::logic_error("an input window went back");
  position = std::min(position, size_);
  count = std::min(count, size_ - position);
  if (position + count > base_ + loaded_) {
    slide_to(position);
    load_at_least(count);
  }
  return {data() + (position - base_), base_ + loaded_ - position};
}

void InputStream::hand_on(PendingOutput& output, std::size_t from, std::size_t to) {
  output_ = &output;
  output_from_ = from;
  output_to_ = to;
}

void InputStream::finish() {
  if (!streamed_) {
    release(size_);
    return;
  }
  slide_to(size_);
  check_end();
}

void InputStream::read_rest() {
  output_ = nullptr;
  finish();
}

// Everything before position is handed on, and the bytes at hand from
// position on move to the start of the buffer.
void InputStream::slide_to(std::size_t position) {
  const std::size_t loaded_end = base_ + loaded_;
  if (position <= loaded_end) {
    release(position);
    const std::size_t kept = loaded_end - position;
    std::memmove(buffer_.data(), buffer_.data() + (position - base_), kept);
    base_ = position;
    loaded_ = kept;
    return;
  }
  release(loaded_end);
  base_ = loaded_end;
  loaded_ = 0;
  // Bytes that nobody looks at, passed on a buffer at a time.
  while (base_ < position) {
    read_more(position);
    release(base_ + loaded_);
    base_ += loaded_;
    loaded_ = 0;
  }
}

void InputStream::load_at_least(std::size_t count) {
  if (count > buffer_.capacity()) {
    // An event longer than the buffer: a buffer that holds it.
    ByteStorage bigger(std::max(count, 2 * buffer_.capacity()));
    std::memcpy(bigger.data(), buffer_.data(), loaded_);
    buffer_ = std::move(bigger);
  }
  while (loaded_ < count) read_more(size_);
}

// As much as fits in the buffer, but nothing past the file offset until.
void InputStream::read_more(std::size_t until) {
  const std::size_t wanted = std::min(buffer_.capacity() - loaded_, until - (base_ + loaded_));
  if (wanted == 0) return;
  const long got =
      read_some(file_->fd(), reinterpret_cast<char*>(buffer_.data() + loaded_), wanted);
  // The end of the file before its size: it has changed under us.
  if (got <= 0) fail();
  loaded_ += static_cast<std::size_t>(got);
}

// The file ends where its size said.
void InputStream::check_end() {
  std::uint8_t byte = 0;
  if (read_some(file_->fd(), reinterpret_cast<char*>(&byte), 1) != 0) fail();
}

void InputStream::release(std::size_t end) {
  if (output_ != nullptr) {
    const std::size_t from = std::max(released_, output_from_);
    const std::size_t to = std::min(end, output_to_);
    if (from < to) output_->write({data() + (from - base_), to - from});
  }
  released_ = std::max(released_, end);
}

void InputStream::fail() {
  failed_ = true;
  throw ToolError::open_error(name_);
}

bool fault_stands(std::initializer_list<InputStream*> inputs) {
  for (InputStream* input : inputs) {
    if (input == nullptr) break;
    if (input->failed()) return false;
    input->read_rest();
  }
  return true;
}

}  // namespace scoretext::smf
