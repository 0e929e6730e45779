#include "smf/program.h"

#include <unistd.h>

#include <csignal>
#include <exception>
#include <new>

#include "frontend/files.h"
#include "frontend/tool_error.h"

namespace scoretext::smf {

int run_reported(ToolBody body, const std::vector<std::string>& args, Console& console) {
  try {
    body(args, console);
    return 0;
  } catch (const ToolError& e) {
    console.text(e.report(console.form()));
  } catch (const std::bad_alloc&) {
    // Memory for a file's image could not be had: the file is too large for
    // this machine.
    console.message(Msg::SmfTooLarge);
  } catch (const std::exception& e) {
    // A failure no check foresaw, named by its own text.
    console.text(ToolError(Msg::InternalError, e.what()).report(console.form()));
  }
  return 1;
}

int run_program(ToolBody body, int argc, char** argv) {
  ignore_file_size_signal();
  // A reader that went away is a failed write as well.
  std::signal(SIGPIPE, SIG_IGN);
  // Messages in the terminal's character set when standard output is one.
  Console console(message_form(STDOUT_FILENO));
  int status = 1;
  try {
    const std::vector<std::string> args(argv + 1, argv + argc);
    status = run_reported(body, args, console);
  } catch (const std::bad_alloc&) {
    console.message(Msg::SmfTooLarge);
  }
  // The listing is the only output of some runs: when it cannot be written,
  // the run has failed.
  if (!write_all(STDOUT_FILENO, console.contents())) status = 1;
  return status;
}

}  // namespace scoretext::smf
