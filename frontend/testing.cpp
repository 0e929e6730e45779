#include "frontend/testing.h"

#include <iconv.h>
#include <unistd.h>

#include <cstdlib>

#include "frontend/files.h"
#include "frontend/macro_table.h"
#include "frontend/main_loop.h"
#include "frontend/output.h"
#include "frontend/statement_reader.h"

namespace scoretext {

void PrintTo(Msg message, std::ostream* os) {
  if (message == Msg::Count_) {
    *os << "no error";
  } else {
    *os << '"' << utf8_text(message) << '"';
  }
}

}  // namespace scoretext

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
    result.message = e.message();
  }
  out.flush();
  return result;
}

void ProbeNotes::handle(Run& run) {
  const std::string_view first = run.tokens.current();
  run.pending_tie = first.ends_with(')');
  run.out.write(first);
  run.out.put(' ');
  run.out.write(std::to_string(++since_reset_));
  run.out.put('\n');
}

std::string report(Msg message, std::string_view rest) {
  return "ERROR:" + cp932_text(message) + std::string(rest);
}

std::string iconv_converted(const char* to, const char* from, std::string_view bytes) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return {};
  std::string out(bytes.size() * 4 + 8, '\0');
  char* in = const_cast<char*>(bytes.data());
  std::size_t in_left = bytes.size();
  char* dst = out.data();
  std::size_t dst_left = out.size();
  const bool ok = iconv(cd, &in, &in_left, &dst, &dst_left) != static_cast<std::size_t>(-1) && in_left == 0;
  iconv_close(cd);
  if (!ok) return {};
  out.resize(out.size() - dst_left);
  return out;
}

}  // namespace scoretext::testing
