// The unit tests' kit: which message a step throws, a scratch file, and a
// text tool's main loop run on a string.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "frontend/messages.h"
#include "frontend/run.h"
#include "frontend/tool_config.h"
#include "frontend/tool_error.h"

namespace scoretext {

// How a failing test shows a message: its text, or "no error" for Msg::Count_.
void PrintTo(Msg message, std::ostream* os);

}  // namespace scoretext

namespace scoretext::testing {

// The ToolError that `step` throws, or nothing when it throws none.
template <typename Step>
std::optional<ToolError> thrown_error(Step&& step) {
  try {
    step();
  } catch (const ToolError& e) {
    return e;
  }
  return std::nullopt;
}

// The message of the ToolError that `step` throws; Msg::Count_ when it
// throws none.
template <typename Step>
Msg thrown_message(Step&& step) {
  const std::optional<ToolError> error = thrown_error(step);
  return error ? error->message() : Msg::Count_;
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
// (empty when the whole input was accepted), in CP932 as a user sees it,
// with that error's message (Msg::Count_ when there was none).
struct TextRun {
  std::string output;
  std::string error;
  Msg message = Msg::Count_;
};

// Runs the main loop of a text tool on `input`, as the driver would on a
// file of that content.
TextRun run_text(std::string_view input, const ToolConfig& config, NoteStatementHandler& notes);

// A note-statement handler for tests of the statements around the notes.
// It writes its first token and how many note statements it has taken since
// the note state was last reset ("4 1", then "4 2" ...), and leaves a tie
// pending when that token ends in ")".
class ProbeNotes : public NoteStatementHandler {
 public:
  void handle(Run& run) override;
  void reset() override { since_reset_ = 0; }

 private:
  int since_reset_ = 0;
};

// The message as the tests' expected reports write it: "ERROR:<message>:"
// and the rest, converted to CP932.
std::string report(Msg message, std::string_view rest);

// `bytes` converted from encoding `from` to `to` by the C library's iconv,
// a view of Shift_JIS that shares nothing with the message table or the
// kana layout; empty when iconv has no such converter or refuses a byte.
std::string iconv_converted(const char* to, const char* from, std::string_view bytes);
inline std::string cp932_by_iconv(std::string_view utf8) { return iconv_converted("CP932", "UTF-8", utf8); }

}  // namespace scoretext::testing
