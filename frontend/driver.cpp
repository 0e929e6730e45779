#include "frontend/driver.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "frontend/macro_table.h"
#include "frontend/main_loop.h"
#include "frontend/output.h"
#include "frontend/statement_reader.h"
#include "frontend/tool_error.h"

namespace scoretext {

void write_stderr(std::string_view text) {
  while (!text.empty()) {
    const ssize_t done = ::write(2, text.data(), text.size());
    if (done < 0) {
      if (errno == EINTR) continue;
      return;
    }
    text.remove_prefix(static_cast<std::size_t>(done));
  }
}

void report_error(Msg message, long line_number, std::string_view context) {
  std::string line = "ERROR:";
  line += cp932_text(message);
  line += ':';
  line += std::to_string(line_number);
  line += ' ';
  line.append(context);
  line += '\n';
  write_stderr(line);
}

namespace {

int open_error(const char* name) {
  write_stderr(std::string(name) + " open error\n");
  return 1;
}

// Opens an input for reading; a directory cannot be read as a file.
int open_input(const char* name) {
  const int fd = ::open(name, O_RDONLY);
  if (fd < 0) return -1;
  struct stat st;
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// True when `name` is the very file open as `fd` (so opening it for writing
// would destroy the input before it is read).
bool same_file(const char* name, int fd) {
  struct stat out_st, in_st;
  if (::stat(name, &out_st) != 0 || ::fstat(fd, &in_st) != 0) return false;
  return out_st.st_dev == in_st.st_dev && out_st.st_ino == in_st.st_ino;
}

}  // namespace

int run_text_tool(int argc, char** argv, const ToolConfig& config, NoteStatementHandler& notes,
                  const DataStep& before_input) {
  if (argc != config.file_arguments + 1) {
    write_stderr(config.usage);
    return 1;
  }
  if (before_input) {
    const int status = before_input();
    if (status != 0) return status;
  }
  const char* in_name = argv[1];
  const char* out_name = argv[2];
  const int in = open_input(in_name);
  if (in < 0) return open_error(in_name);
  if (same_file(out_name, in)) {
    ::close(in);
    return open_error(out_name);
  }
  const int out_fd = ::open(out_name, O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (out_fd < 0) {
    ::close(in);
    return open_error(out_name);
  }

  Output out(out_fd);
  StatementReader reader(in);
  MacroTable macros;
  Run run(config, out, notes);
  int status = 0;
  try {
    run_main_loop(reader, macros, run);
  } catch (const ToolError& e) {
    out.flush();
    report_error(e.message(), reader.line_number(), reader.context());
    status = 1;
  }
  if (!out.flush() || ::close(out_fd) != 0) {
    if (status == 0) write_stderr(std::string(out_name) + " write error\n");
    status = 1;
  }
  ::close(in);
  return status;
}

}  // namespace scoretext
