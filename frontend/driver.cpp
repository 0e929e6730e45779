#include "frontend/driver.h"

#include <exception>
#include <new>
#include <fcntl.h>
#include <unistd.h>

#include "frontend/macro_table.h"
#include "frontend/main_loop.h"
#include "frontend/statement_reader.h"
#include "frontend/tool_error.h"

namespace scoretext {

void write_stderr(std::string_view text) { write_all(2, text); }

int run_program(int argc, char** argv, std::string_view usage, int file_arguments,
                const ProgramBody& body) {
  ignore_file_size_signal();
  try {
    if (argc != file_arguments + 1) throw ToolError::usage(usage);
    body(FileArguments(argc, argv));
    return 0;
  } catch (const ToolError& e) {
    write_stderr(e.report(message_form(STDERR_FILENO)));
  } catch (const std::bad_alloc&) {
    write_stderr(ToolError(Msg::OutOfMemory).report(message_form(STDERR_FILENO)));
  } catch (const std::exception& e) {
    // A failure no check foresaw: named by its own text, never taken for a
    // lack of memory.
    write_stderr(ToolError(Msg::InternalError, e.what()).report(message_form(STDERR_FILENO)));
  }
  return 1;
}

TextOutputFile::TextOutputFile(std::string name, std::initializer_list<const InputFile*> inputs)
    : name_(std::move(name)) {
  for (const InputFile* input : inputs) {
    if (input && input->is_same_file(name_)) throw ToolError::open_error(name_);
  }
}

TextOutputFile::~TextOutputFile() {
  if (fd_ >= 0) {
    out_->flush();
    ::close(fd_);
  }
}

Output& TextOutputFile::open() {
  fd_ = ::open(name_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd_ < 0) throw ToolError::open_error(name_);
  out_ = std::make_unique<Output>(fd_);
  return *out_;
}

void TextOutputFile::close() {
  const bool written = out_->flush();
  const bool closed = ::close(fd_) == 0;
  fd_ = -1;
  if (!written || !closed) throw ToolError::bare(Msg::WriteError, name_);
}

int run_text_tool(int argc, char** argv, const ToolConfig& config, NoteStatementHandler& notes,
                  const DataStep& before_input) {
  return run_program(argc, argv, config.usage, config.file_arguments,
                     [&](const FileArguments& files) {
                       const std::unique_ptr<InputFile> data_file =
                           before_input ? before_input() : nullptr;
                       const InputFile in(files[0]);
                       TextOutputFile out_file(files[1], {&in, data_file.get()});
                       Output& out = out_file.open();
                       StatementReader reader(in);
                       MacroTable macros;
                       Run run(config, out, notes);
                       run_statements(reader, macros, run);
                       out_file.close();
                     });
}

}  // namespace scoretext
