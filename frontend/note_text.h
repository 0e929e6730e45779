// A short text built piece by piece and written out whole: a length group or
// a note group.  The pieces are a few bytes each (a blank, a note name, a
// velocity), so they are copied inline rather than through the C library.
// It is the one writer of padded words (PaddedWord), whose eight-byte copies
// reach past the word: every append makes room for what it copies, so no
// caller writes into the buffer itself.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

#include "frontend/small_copy.h"

namespace scoretext {

class NoteText {
 public:
  NoteText() = default;
  NoteText(const NoteText& other) { assign(other.view()); }
  NoteText& operator=(const NoteText& other) {
    if (this != &other) assign(other.view());
    return *this;
  }
  NoteText& operator=(std::string_view text) {
    assign(text);
    return *this;
  }

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const char* data() const { return data_.get(); }
  char& operator[](std::size_t i) { return data_[i]; }
  char operator[](std::size_t i) const { return data_[i]; }
  char back() const { return data_[size_ - 1]; }
  std::string_view view() const { return {data_.get(), size_}; }
  operator std::string_view() const { return view(); }

  void clear() { size_ = 0; }
  void assign(std::string_view text) {
    size_ = 0;
    append(text);
  }
  void append(std::string_view text) {
    if (text.size() > capacity_ - size_) grow(text.size());
    copy_small(data_.get() + size_, text.data(), text.size());
    size_ += text.size();
  }
  // A blank, then the word: how every note and velocity joins a group.
  void append_word(std::string_view word) {
    if (word.size() >= capacity_ - size_) grow(word.size() + 1);
    data_[size_] = ' ';
    copy_small(data_.get() + size_ + 1, word.data(), word.size());
    size_ += word.size() + 1;
  }
  // A word from a table of padded words (see PaddedWord).
  void append_padded(PaddedWord word) {
    if (capacity_ - size_ < 8) grow(8);
    std::memcpy(data_.get() + size_, word.text, 8);
    size_ += word.size;
  }
  // A row of a chord's notes: the padded word, a blank, `tail` (its
  // velocity) and a blank.
  void append_padded_row(PaddedWord word, std::string_view tail) {
    // The word's eight-byte copy, the tail and the two blanks.
    const std::size_t room = 8 + tail.size() + 2;
    if (capacity_ - size_ < room) grow(room);
    char* p = data_.get() + size_;
    std::memcpy(p, word.text, 8);
    p += word.size;
    *p++ = ' ';
    copy_small(p, tail.data(), tail.size());
    p[tail.size()] = ' ';
    size_ += word.size + tail.size() + 2;
  }
  void push_back(char c) {
    if (size_ == capacity_) grow(1);
    data_[size_++] = c;
  }
  NoteText& operator+=(std::string_view text) {
    append(text);
    return *this;
  }
  NoteText& operator+=(char c) {
    push_back(c);
    return *this;
  }
  // Room for a text of `n` bytes.
  void reserve(std::size_t n) {
    if (n > capacity_) grow(n - size_);
  }
  void swap(NoteText& other) noexcept {
    data_.swap(other.data_);
    std::swap(size_, other.size_);
    std::swap(capacity_, other.capacity_);
  }

  friend bool operator==(const NoteText& a, std::string_view b) { return a.view() == b; }

 private:
  // Room for at least `more` further bytes.
  void grow(std::size_t more) {
    std::size_t capacity = capacity_ < 64 ? 64 : capacity_ * 2;
    while (capacity - size_ < more) capacity *= 2;
    std::unique_ptr<char[]> data(new char[capacity]);
    copy_small(data.get(), data_.get(), size_);
    data_.swap(data);
    capacity_ = capacity;
  }

  std::unique_ptr<char[]> data_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace scoretext
