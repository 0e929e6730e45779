#include "frontend/testing.h"

#include <cstdlib>
#include <unistd.h>

#include "frontend/files.h"
#include "frontend/macro_table.h"
#include "frontend/main_loop.h"
#include "frontend/output.h"
#include "frontend/statement_reader.h"

namespace scoretext::testing {

ScratchFile::ScratchFile(std::string_view content) {
  const char* dir = std::getenv("TMPDIR");
  path_ = std::string(dir && *dir ? dir : "/tmp") + "/scoretext_test_XXXXXX";
  const int fd = ::mkstemp(path_.data());
  if (fd < 0 || !write_all(fd, content)) std::abort();
  ::close(fd);
}

ScratchFile::~ScratchFile() { ::unlink(path_.c_str()); }

TextRun run_text(std::string_view input, const ToolConfig& config, NoteStatementHandler& notes) {
  TextRun result;
  Output out(result.output);
  StatementReader reader(input);
  MacroTable macros;
  Run run(config, out, notes);
  try {
    run_statements(reader, macros, run);
  } catch (const ToolError& e) {
    result.error = e.report();
  }
  out.flush();
  return result;
}

std::string report(Msg message, std::string_view rest) {
  return "ERROR:" + cp932_text(message) + std::string(rest);
}

}  // namespace scoretext::testing
