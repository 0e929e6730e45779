// A program of the suite run in-process on each fuzz input.  The input
// becomes one file of a work folder, and the program's own main runs on a
// fixed command line, so the input reaches the program exactly as a user's
// file would: opened, read, checked, written out.  Whatever the input, the
// run must end with status 0 or 1 and leave no file behind but those of its
// command line.
//
// Chosen per target when it is built:
//   FUZZ_PROGRAM     the program's name, argv[0]
//   FUZZ_ARGUMENTS   the file arguments, blank-separated
//   FUZZ_INPUT       the name of the file the input becomes
//   FUZZ_DATA_FILES  "name=path;..." files copied into the work folder
//                    once (a drum map, a template, a fixed in-file)
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

// The program's main, renamed when it is built into this target.
int scoretext_tool_main(int argc, char** argv);

namespace {

[[noreturn]] void give_up(const std::string& why);

std::vector<std::string> split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t begin = 0;
  while (begin <= text.size()) {
    const std::size_t end = std::min(text.find(separator, begin), text.size());
    if (end > begin) parts.emplace_back(text.substr(begin, end - begin));
    begin = end + 1;
  }
  return parts;
}


void copy_file(const std::string& from, const std::string& to) {
  std::ifstream in(from, std::ios::binary);
  if (!in) give_up("cannot read " + from);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  std::ofstream(to, std::ios::binary) << bytes.str();
}

// The work folder, in memory where the system offers it; the program runs
// in it, as it would in the user's folder of drumdef.txt or def.vsqx, and the
// fuzzer's own paths stay relative to the folder it was started in.
std::string make_work_folder() {
  const char* bases[] = {"/dev/shm", std::getenv("TMPDIR"), "/tmp"};
  for (const char* base : bases) {
    if (!base || !*base) continue;
    std::string path = std::string(base) + "/scoretext-fuzz-XXXXXX";
    if (::mkdtemp(path.data())) return path;
  }
  give_up("no folder for the work files");
}

std::string work_folder;
int work_fd = -1;       // the work folder, entered for each run
int start_folder = -1;  // the folder the fuzzer was started in
int input_fd = -1;      // the input file, rewritten for each run
DIR* listing = nullptr; // the work folder, listed after each run

void remove_work_folder() {
  if (DIR* dir = ::opendir(work_folder.c_str())) {
    while (const dirent* entry = ::readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") ::unlink((work_folder + "/" + name).c_str());
    }
    ::closedir(dir);
  }
  ::rmdir(work_folder.c_str());
}

// The names the work folder may hold: the data files and the files of the
// command line.  Anything else is a file the program left behind.
std::vector<std::string> known_names;

// The folder is held open and read again from its start: no descriptor, no
// buffer and no path lookup per run.
void check_no_stray_files() {
  ::rewinddir(listing);
  while (const dirent* entry = ::readdir(listing)) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    bool known = false;
    for (const std::string& k : known_names) known = known || k == name;
    if (!known) give_up("the program left " + std::string(name) + " behind");
  }
}

// A finding: reported to the fuzzer as a crash, after the work folder is
// removed.
[[noreturn]] void give_up(const std::string& why) {
  std::fprintf(stderr, "fuzz harness: %s\n", why.c_str());
  remove_work_folder();
  std::abort();
}

void open_input() {
  const std::string path = work_folder + "/" + FUZZ_INPUT;
  input_fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (input_fd < 0) give_up("cannot write the input file");
}

// The input file keeps its inode from run to run: emptied and written again
// through the descriptor held since the start, which is the file the program
// opens by its name as long as nothing replaced it (checked after each run).
void write_input(const std::uint8_t* data, std::size_t size) {
  if (::ftruncate(input_fd, 0) != 0) give_up("cannot empty the input file");
  off_t at = 0;
  while (size > 0) {
    const ssize_t done = ::pwrite(input_fd, data, size, at);
    if (done <= 0) give_up("cannot write the input file");
    data += done;
    at += done;
    size -= static_cast<std::size_t>(done);
  }
}

void check_input_in_place() {
  struct stat held, named;
  if (::fstat(input_fd, &held) != 0 || ::fstatat(work_fd, FUZZ_INPUT, &named, 0) != 0 ||
      held.st_ino != named.st_ino || held.st_dev != named.st_dev)
    give_up(std::string("the program replaced or removed ") + FUZZ_INPUT);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  work_folder = make_work_folder();
  for (const std::string& entry : split(FUZZ_DATA_FILES, ';')) {
    const std::size_t equals = entry.find('=');
    copy_file(entry.substr(equals + 1), work_folder + "/" + entry.substr(0, equals));
    known_names.push_back(entry.substr(0, equals));
  }
  for (const std::string& name : split(FUZZ_ARGUMENTS, ' ')) known_names.push_back(name);
  known_names.push_back(FUZZ_INPUT);
  start_folder = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (start_folder < 0) give_up("cannot hold the current folder");
  work_fd = ::open(work_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  listing = ::opendir(work_folder.c_str());
  if (work_fd < 0 || !listing) give_up("cannot hold the work folder");
  open_input();
  std::atexit(remove_work_folder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  write_input(data, size);
  std::vector<std::string> words = split(FUZZ_ARGUMENTS, ' ');
  words.insert(words.begin(), FUZZ_PROGRAM);
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  if (::fchdir(work_fd) != 0) give_up("cannot enter " + work_folder);
  const int status = scoretext_tool_main(static_cast<int>(words.size()), argv.data());
  if (::fchdir(start_folder) != 0) give_up("cannot go back to the start folder");
  if (status != 0 && status != 1) give_up("exit status " + std::to_string(status));
  check_no_stray_files();
  check_input_in_place();
  return 0;
}
