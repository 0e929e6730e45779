// Files as every program of the suite opens, reads and writes them.
//
// InputFile: an input open for reading, closed when it goes; a directory is
// not an input.  read_some/write_all: read(2) and write(2) that carry on
// after a signal.  write_file_atomically: a whole output written beside its
// name and renamed over it only when complete, so that a failure leaves
// every existing file as it was; AtomicOutputFile does the same for an
// output written piece by piece.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace scoretext {

class InputFile {
 public:
  // Opens `name` for reading.  Throws ToolError::open_error(name) when it
  // cannot be opened or is a directory.
  explicit InputFile(std::string name);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  int fd() const { return fd_; }
  const std::string& name() const { return name_; }
  // True when `path` names this very file (same device and inode), so that
  // opening it for writing would destroy this input.
  bool is_same_file(const std::string& path) const;

 private:
  std::string name_;
  int fd_;
};

// Reads up to `size` bytes; returns the count, 0 at the end of the input,
// -1 on a read error.
long read_some(int fd, char* data, std::size_t size);

// Writes all of `bytes`; false when the file refused part of them.
bool write_all(int fd, std::string_view bytes);

// Writes the pieces, in order, as the whole content of `path`: into a new
// temporary file in the same folder, then renamed over `path`.  An existing
// file keeps its permission bits; a symbolic link is followed and its
// target replaced.  On any failure the temporary file is removed, nothing
// else is touched, and ToolError::open_error(path) is thrown.  A device or a
// pipe (/dev/stdout, /dev/null) holds no file that a failure could spoil:
// it is written directly.
void write_file_atomically(const std::string& path, std::initializer_list<std::string_view> pieces);

// The same for an output too large to hold whole: the bytes are written to
// fd() as they are made, and commit() renames the file over `path`.  The
// constructor and commit() throw ToolError::open_error(path); an object that
// goes without a successful commit() removes its temporary file.
//
// While a temporary file exists, SIGINT, SIGTERM and SIGHUP remove it and
// then end the process by the same signal, as they would have without it
// (a signal the process ignores stays ignored); the signals get their
// earlier actions back when the last temporary file is gone.
class AtomicOutputFile {
 public:
  explicit AtomicOutputFile(std::string path);
  ~AtomicOutputFile();
  AtomicOutputFile(const AtomicOutputFile&) = delete;
  AtomicOutputFile& operator=(const AtomicOutputFile&) = delete;

  int fd() const { return fd_; }
  // `written`: every write to fd() succeeded.
  void commit(bool written);

 private:
  std::string path_;
  std::string target_;
  std::string temp_path_;
  int temp_slot_ = -1;  // its place in the signal handler's table
  int fd_ = -1;
  bool direct_ = false;  // a device or pipe, written without a temporary
};

// True when path names an existing device, pipe or the like: an out-file
// that AtomicOutputFile writes directly, with no temporary file.
bool is_written_directly(const std::string& path);

// A file-size limit makes a write fail instead of killing the process.
void ignore_file_size_signal();

}  // namespace scoretext
