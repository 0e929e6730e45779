#include "frontend/files.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

namespace scoretext {
namespace {

// The names a folder holds, "." and ".." left out.
std::vector<std::string> names_in(const std::string& dir) {
  std::vector<std::string> names;
  if (DIR* d = ::opendir(dir.c_str())) {
    while (const dirent* entry = ::readdir(d)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(d);
  }
  return names;
}

// A folder of its own for each run, removed with what is left in it.
class Folder {
 public:
  Folder() {
    char pattern[] = "/tmp/scoretext_files_XXXXXX";
    if (!::mkdtemp(pattern)) std::abort();
    path_ = pattern;
  }
  ~Folder() {
    for (const std::string& name : names_in(path_)) ::unlink((path_ + "/" + name).c_str());
    ::rmdir(path_.c_str());
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// A child process that starts writing `out` and stops half-way, waiting for
// a signal.  `before` runs in the child first.  Returns the child's id once
// its temporary file exists.
template <typename Before>
pid_t writer_stopped_half_way(const std::string& out, Before before) {
  int ready[2];
  if (::pipe(ready) != 0) std::abort();
  const pid_t pid = ::fork();
  if (pid < 0) std::abort();
  if (pid == 0) {
    ::close(ready[0]);
    before();
    AtomicOutputFile file(out);
    write_all(file.fd(), "the first half of the file");
    write_all(ready[1], "r");
    for (;;) ::pause();
  }
  ::close(ready[1]);
  char byte;
  const long got = read_some(ready[0], &byte, 1);
  ::close(ready[0]);
  EXPECT_EQ(got, 1) << "the writer ended before it was half-way";
  return pid;
}

int status_after(pid_t pid, int sig) {
  ::kill(pid, sig);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return status;
}

TEST(AtomicOutputFile, AnInterruptedWriteLeavesNoTemporaryFileAndEndsByItsSignal) {
  for (const int sig : {SIGINT, SIGTERM, SIGHUP}) {
    const Folder folder;
    const pid_t pid = writer_stopped_half_way(folder.path() + "/out.vsqx", [] {});
    const std::vector<std::string> during = names_in(folder.path());
    ASSERT_EQ(during.size(), 1u);
    EXPECT_EQ(during[0].rfind(".scoretext-", 0), 0u) << during[0];

    const int status = status_after(pid, sig);
    ASSERT_TRUE(WIFSIGNALED(status)) << "signal " << sig << ", status " << status;
    EXPECT_EQ(WTERMSIG(status), sig);
    EXPECT_TRUE(names_in(folder.path()).empty()) << "signal " << sig << " left " << names_in(folder.path())[0];
  }
}

TEST(AtomicOutputFile, AnInterruptedReplacementLeavesTheOldFileAsItWas) {
  const Folder folder;
  const std::string out = folder.path() + "/out.vsqx";
  write_file_atomically(out, {"the old file\n"});
  const pid_t pid = writer_stopped_half_way(out, [] {});
  const int status = status_after(pid, SIGTERM);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
  EXPECT_EQ(names_in(folder.path()), std::vector<std::string>{"out.vsqx"});
  const InputFile old(out);
  char text[64];
  const long size = read_some(old.fd(), text, sizeof text);
  EXPECT_EQ(std::string(text, size > 0 ? static_cast<std::size_t>(size) : 0), "the old file\n");
}

// A run started under nohup keeps ignoring a hang-up while it writes; the
// handler is not put in its way.
TEST(AtomicOutputFile, ASignalTheRunIgnoresStaysIgnored) {
  const Folder folder;
  const pid_t pid = writer_stopped_half_way(folder.path() + "/out.vsqx",
                                            [] { std::signal(SIGHUP, SIG_IGN); });
  ::kill(pid, SIGHUP);
  // Still alive and still writing: the temporary file is there until the
  // run is ended by a signal it does not ignore.
  ::usleep(100 * 1000);
  int status = 0;
  EXPECT_EQ(::waitpid(pid, &status, WNOHANG), 0);
  EXPECT_EQ(names_in(folder.path()).size(), 1u);
  status = status_after(pid, SIGTERM);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
  EXPECT_TRUE(names_in(folder.path()).empty());
}

}  // namespace
}  // namespace scoretext
