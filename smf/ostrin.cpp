#include "smf/ostrin.h"

#include "frontend/files.h"
#include "frontend/tool_error.h"
#include "smf/file_image.h"
#include "smf/header.h"
#include "smf/join.h"
#include "smf/size_limits.h"

namespace scoretext::smf {

namespace {

constexpr const char* kUsage = "ostrin in_file1 in_file2 out_file\n";

}  // namespace

void run_ostrin(const std::vector<std::string>& args, Console&) {
  if (args.size() != 3) throw ToolError::usage(kUsage);
  FileImage first = load_file(args[0]);
  check_header(first.bytes(), FormatRule::Any);
  const FileImage second = load_file(args[1]);
  join_headers(first, second);
  write_file_atomically(args[2], {as_chars(first.bytes()),
                                  as_chars(second.bytes().subspan(kHeaderBytes))});
}

}  // namespace scoretext::smf
