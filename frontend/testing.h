// The unit tests' kit: which message a step throws, a scratch file, and a
// text tool's main loop run on a string.
#pragma once

#include <string>
#include <string_view>

#include "frontend/messages.h"
#include "frontend/run.h"
#include "frontend/tool_config.h"
#include "frontend/tool_error.h"

namespace scoretext::testing {

// The message of the ToolError that `step` throws; Msg::Count_ when it
// throws none.
template <typename Step>
Msg thrown_message(Step&& step) {
  try {
    step();
  } catch (const ToolError& e) {
    return e.message();
  }
  return Msg::Count_;
}

// A file holding `content` in the temporary folder, removed at the end.
class ScratchFile {
 public:
  explicit ScratchFile(std::string_view content);
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// What a text tool wrote for an input, and the report of its first error
// (empty when the whole input was accepted), in CP932 as a user sees it.
struct TextRun {
  std::string output;
  std::string error;
};

// Runs the main loop of a text tool on `input`, as the driver would on a
// file of that content.
TextRun run_text(std::string_view input, const ToolConfig& config, NoteStatementHandler& notes);

// The message as the tests' expected reports write it: "ERROR:<message>:"
// and the rest, converted to CP932.
std::string report(Msg message, std::string_view rest);

}  // namespace scoretext::testing
