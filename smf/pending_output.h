// An out-file written while the input is still being read.  Whatever goes
// wrong with it is reported only by commit(), once the input has been read
// and found good: the same reports, in the same order, as when a file is
// checked whole before its output is opened.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "frontend/files.h"
#include "frontend/tool_error.h"

namespace scoretext::smf {

class PendingOutput {
 public:
  // A regular file, or a name that is free, is opened at once beside its
  // name (AtomicOutputFile); a refusal is kept for commit().  A device or a
  // pipe is not opened yet: a run that fails must leave nothing there.
  explicit PendingOutput(std::string path);
  PendingOutput(const PendingOutput&) = delete;
  PendingOutput& operator=(const PendingOutput&) = delete;

  // The next bytes of the output.  After a failed write the rest are dropped.
  void write(std::span<const std::uint8_t> bytes);

  // Puts the output in place: throws the open error of the path when it was
  // refused or a write failed.  A device or pipe is opened and written
  // here.  An output that goes without a commit leaves no file behind.
  void commit();

 private:
  std::string path_;
  bool direct_ = false;
  std::optional<AtomicOutputFile> file_;
  std::optional<ToolError> refusal_;
  bool written_ = true;
  std::vector<std::uint8_t> held_;  // for a device or pipe, until commit()
};

}  // namespace scoretext::smf
