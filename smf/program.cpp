#include "smf/program.h"

#include <cstdio>
#include <new>

#include "smf/text_error.h"
#include "frontend/tool_error.h"

namespace scoretext::smf {

int run_reported(ToolBody body, const std::vector<std::string>& args, Console& console) {
  try {
    body(args, console);
    return 0;
  } catch (const ToolError& e) {
    console.message(e.message());
  } catch (const TextError& e) {
    console.text(e.text());
  } catch (const std::bad_alloc&) {
    // Memory for a file's image could not be had: the file is too large for
    // this machine.
    console.message(Msg::SmfTooLarge);
  }
  return 1;
}

int run_program(ToolBody body, int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  Console console;
  const int status = run_reported(body, args, console);
  const std::string& text = console.contents();
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
  return status;
}

}  // namespace scoretext::smf
