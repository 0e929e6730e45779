#include "frontend/files.h"

#include <cerrno>
#include <csignal>
#include <climits>
#include <cstdlib>
#include <cstring>
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

// The temporary files that exist at this moment, for the handler of the
// signals that end a run from outside (an interrupt, a terminal closed, a
// kill).  The handler may only touch what it can reach without allocating:
// the paths are kept in fixed buffers, and it calls unlink, sigaction and
// raise alone, all safe in a signal handler.
constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kSignalCount = 3;
constexpr int kTempSlots = 4;
constexpr std::size_t kTempPathRoom = PATH_MAX + 1;

char g_temp_paths[kTempSlots][kTempPathRoom];
volatile std::sig_atomic_t g_temp_used[kTempSlots];
int g_temp_count = 0;
struct sigaction g_previous[kSignalCount];
bool g_handled[kSignalCount];

void remove_temp_files_and_end(int sig) {
  for (int slot = 0; slot < kTempSlots; ++slot) {
    if (g_temp_used[slot]) ::unlink(g_temp_paths[slot]);
  }
  // End as the signal would have ended the run without the handler: its
  // earlier action back, then the signal again, delivered once the handler
  // returns.
  for (int i = 0; i < kSignalCount; ++i) {
    if (kEndingSignals[i] == sig) ::sigaction(sig, &g_previous[i], nullptr);
  }
  ::raise(sig);
}

// Blocks the ending signals while the table of temporary files changes.
class EndingSignalsBlocked {
 public:
  EndingSignalsBlocked() {
    sigset_t block;
    sigemptyset(&block);
    for (int sig : kEndingSignals) sigaddset(&block, sig);
    ::sigprocmask(SIG_BLOCK, &block, &saved_);
  }
  ~EndingSignalsBlocked() { ::sigprocmask(SIG_SETMASK, &saved_, nullptr); }
  EndingSignalsBlocked(const EndingSignalsBlocked&) = delete;
  EndingSignalsBlocked& operator=(const EndingSignalsBlocked&) = delete;

 private:
  sigset_t saved_;
};

// Puts the handler in place for the first temporary file.  A signal that
// the run ignores (SIGHUP under nohup) stays ignored.
void install_handler() {
  for (int i = 0; i < kSignalCount; ++i) {
    ::sigaction(kEndingSignals[i], nullptr, &g_previous[i]);
    g_handled[i] = g_previous[i].sa_handler != SIG_IGN;
    if (!g_handled[i]) continue;
    struct sigaction action {};
    action.sa_handler = remove_temp_files_and_end;
    sigfillset(&action.sa_mask);
    ::sigaction(kEndingSignals[i], &action, nullptr);
  }
}

// Gives the signals their earlier actions back after the last temporary
// file has gone.
void remove_handler() {
  for (int i = 0; i < kSignalCount; ++i) {
    if (g_handled[i]) ::sigaction(kEndingSignals[i], &g_previous[i], nullptr);
  }
}

// Makes a temporary file from `pattern` (mkstemp) and registers it with the
// handler in one step, so that no signal finds it unregistered.  Returns
// the slot (or -1 when the table is full or the path too long: the file is
// then made but not covered) through `slot`, and the descriptor.
int make_registered_temp(std::string& pattern, int& slot) {
  const EndingSignalsBlocked blocked;
  slot = -1;
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0 || pattern.size() >= kTempPathRoom) return fd;
  for (int i = 0; i < kTempSlots; ++i) {
    if (g_temp_used[i]) continue;
    std::memcpy(g_temp_paths[i], pattern.c_str(), pattern.size() + 1);
    g_temp_used[i] = 1;
    slot = i;
    if (g_temp_count++ == 0) install_handler();
    break;
  }
  return fd;
}

// Removes the temporary file (unless it was renamed into place) and takes
// it out of the handler's table; the last one out removes the handler.
void release_temp(const std::string& path, int slot, bool remove) {
  const EndingSignalsBlocked blocked;
  if (remove) ::unlink(path.c_str());
  if (slot < 0) return;
  g_temp_used[slot] = 0;
  if (--g_temp_count == 0) remove_handler();
}

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
  fd_ = make_registered_temp(temp_path_, temp_slot_);
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
    fd_ = -1;
    release_temp(temp_path_, temp_slot_, true);
    throw ToolError::open_error(path_);
  }
}

AtomicOutputFile::~AtomicOutputFile() {
  if (fd_ >= 0) {
    ::close(fd_);
    if (!direct_) release_temp(temp_path_, temp_slot_, true);
  }
}

void AtomicOutputFile::commit(bool written) {
  const bool closed = ::close(fd_) == 0;
  fd_ = -1;
  if (direct_) {
    if (!written || !closed) throw ToolError::open_error(path_);
    return;
  }
  // The rename and the handler's release happen with the signals held, so
  // that the handler never removes a name that is already the out-file.
  bool renamed = false;
  {
    const EndingSignalsBlocked blocked;
    renamed = written && closed && ::rename(temp_path_.c_str(), target_.c_str()) == 0;
    release_temp(temp_path_, temp_slot_, !renamed);
  }
  if (!renamed) throw ToolError::open_error(path_);
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
