#include "frontend/files.h"

#include <cerrno>
#include <csignal>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "frontend/tool_error.h"

namespace scoretext {

InputFile::InputFile(std::string name) : name_(std::move(name)) {
  fd_ = ::open(name_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) throw ToolError::open_error(name_);
  struct stat st;
  if (::fstat(fd_, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd_);
    throw ToolError::open_error(name_);
  }
}

InputFile::~InputFile() { ::close(fd_); }

bool InputFile::is_same_file(const std::string& path) const {
  struct stat path_st, in_st;
  if (::stat(path.c_str(), &path_st) != 0 || ::fstat(fd_, &in_st) != 0) return false;
  return path_st.st_dev == in_st.st_dev && path_st.st_ino == in_st.st_ino;
}

long read_some(int fd, char* data, std::size_t size) {
  for (;;) {
    const ssize_t got = ::read(fd, data, size);
    if (got >= 0) return static_cast<long>(got);
    if (errno != EINTR) return -1;
  }
}

bool write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t done = ::write(fd, bytes.data(), bytes.size());
    if (done < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(done));
  }
  return true;
}

void ignore_file_size_signal() { std::signal(SIGXFSZ, SIG_IGN); }

namespace {

// The file a path finally names: a symbolic link is followed to its target,
// so that the target is replaced and the link stays.
std::string resolved_target(const std::string& path) {
  std::string target = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st;
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return target;
    std::string link(static_cast<std::size_t>(PATH_MAX), '\0');
    const ssize_t size = ::readlink(target.c_str(), link.data(), link.size());
    if (size < 0) return target;
    link.resize(static_cast<std::size_t>(size));
    if (!link.empty() && link.front() != '/') {
      const std::size_t slash = target.rfind('/');
      if (slash != std::string::npos) link = target.substr(0, slash + 1) + link;
    }
    target = std::move(link);
  }
  return target;
}

}  // namespace

AtomicOutputFile::AtomicOutputFile(std::string path)
    : path_(std::move(path)), target_(resolved_target(path_)) {
  struct stat existing;
  // The system follows the links itself here, /proc's links to pipes
  // included, which name no file.
  const bool exists = ::stat(path_.c_str(), &existing) == 0;
  if (exists) {
    // An existing out-file that could not be written is refused as before,
    // and so is a directory.
    if (S_ISDIR(existing.st_mode) || ::access(path_.c_str(), W_OK) != 0) {
      throw ToolError::open_error(path_);
    }
    if (!S_ISREG(existing.st_mode)) {
      fd_ = ::open(path_.c_str(), O_WRONLY | O_CLOEXEC);
      if (fd_ < 0) throw ToolError::open_error(path_);
      direct_ = true;
      return;
    }
  }
  const std::size_t slash = target_.rfind('/');
  temp_path_ = (slash == std::string::npos ? std::string() : target_.substr(0, slash + 1)) +
               ".scoretext-XXXXXX";
  fd_ = ::mkstemp(temp_path_.data());
  if (fd_ < 0) throw ToolError::open_error(path_);
  mode_t mode;
  if (exists) {
    mode = existing.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (::fchmod(fd_, mode) != 0) {
    ::close(fd_);
    ::unlink(temp_path_.c_str());
    throw ToolError::open_error(path_);
  }
}

AtomicOutputFile::~AtomicOutputFile() {
  if (fd_ >= 0) {
    ::close(fd_);
    if (!direct_) ::unlink(temp_path_.c_str());
  }
}

void AtomicOutputFile::commit(bool written) {
  const bool closed = ::close(fd_) == 0;
  fd_ = -1;
  if (direct_) {
    if (!written || !closed) throw ToolError::open_error(path_);
    return;
  }
  if (!written || !closed || ::rename(temp_path_.c_str(), target_.c_str()) != 0) {
    ::unlink(temp_path_.c_str());
    throw ToolError::open_error(path_);
  }
}

bool is_written_directly(const std::string& path) {
  struct stat existing;
  return ::stat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode) &&
         !S_ISDIR(existing.st_mode);
}

void write_file_atomically(const std::string& path, std::initializer_list<std::string_view> pieces) {
  AtomicOutputFile file(path);
  bool ok = true;
  for (std::string_view piece : pieces) ok = ok && write_all(file.fd(), piece);
  file.commit(ok);
}

}  // namespace scoretext
