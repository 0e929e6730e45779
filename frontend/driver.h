// The start of every program: argument count, files opened in order, and
// the report of the first error.  The pieces are public so that each tool
// can open its files in its own order:
//
//   run_program       argument count, usage text, the body, the report of
//                     the first error (in the place's format) and the exit
//                     status
//   TextOutputFile    a text tool's out-file, refused when it names one of
//                     the inputs, created only when the tool asks for it
//   run_text_tool     the whole run of a tool with in-file and out-file
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/files.h"
#include "frontend/output.h"
#include "frontend/run.h"
#include "frontend/tool_config.h"

namespace scoretext {

// The file names of a command line, by position.
class FileArguments {
 public:
  FileArguments(int argc, char** argv) : names_(argv + 1, argv + argc) {}
  explicit FileArguments(std::vector<std::string> names) : names_(std::move(names)) {}
  const std::string& operator[](std::size_t position) const { return names_.at(position); }
  std::size_t size() const { return names_.size(); }

 private:
  std::vector<std::string> names_;
};

// What a program does once its argument count is right.  It reports every
// failure by throwing ToolError.
using ProgramBody = std::function<void(const FileArguments&)>;

// Checks that there are `file_arguments` arguments (else writes `usage` on
// standard error), runs `body`, and writes the report of the first error on
// standard error.  Returns the exit status: 0, or 1 after any failure.  Out
// of memory (std::bad_alloc) is reported as Msg::OutOfMemory, any other
// exception as Msg::InternalError with its own text; nothing ends the
// process by a signal or an uncaught exception.
int run_program(int argc, char** argv, std::string_view usage, int file_arguments,
                const ProgramBody& body);

// A text tool's out-file.  The name is refused (open error, nothing
// truncated) when it is one of the inputs (a null input stands for none);
// the file is created and truncated only by open().
class TextOutputFile {
 public:
  TextOutputFile(std::string name, std::initializer_list<const InputFile*> inputs);
  ~TextOutputFile();
  TextOutputFile(const TextOutputFile&) = delete;
  TextOutputFile& operator=(const TextOutputFile&) = delete;

  // Creates the file; throws ToolError::open_error when it cannot.
  Output& open();
  // Flushes and closes; throws "<name> write error" when the file refused
  // what was written.
  void close();

 private:
  std::string name_;
  int fd_ = -1;
  std::unique_ptr<Output> out_;
};

// Reads a data file the tool needs before its input (drum definitions, say)
// and hands it back still open, so that the out-file cannot name it; it
// reports a failure by throwing ToolError.
using DataStep = std::function<std::unique_ptr<InputFile>()>;

// The run of a tool whose arguments are in-file and out-file: the data step,
// the in-file, the out-file, the main loop.  Returns the exit status.
int run_text_tool(int argc, char** argv, const ToolConfig& config, NoteStatementHandler& notes,
                  const DataStep& before_input = {});

// Writes text on standard error.
void write_stderr(std::string_view text);

}  // namespace scoretext
