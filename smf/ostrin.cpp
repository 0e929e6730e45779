#include "smf/ostrin.h"

#include <optional>

#include "frontend/tool_error.h"
#include "smf/header.h"
#include "smf/input_stream.h"
#include "smf/join.h"
#include "smf/pending_output.h"
#include "smf/size_limits.h"

namespace scoretext::smf {

namespace {

constexpr const char* kUsage = "ostrin in_file1 in_file2 out_file\n";

}  // namespace

void run_ostrin(const std::vector<std::string>& args, Console&) {
  if (args.size() != 3) throw ToolError::usage(kUsage);
  InputStream first(args[0]);
  std::optional<InputStream> second;
  std::optional<PendingOutput> output;
  try {
    check_header(first.window(0, kHeaderBytes), FormatRule::Any);
    second.emplace(args[1]);
    join_headers(first.window(0, kHeaderBytes), first.size(), second->window(0, kHeaderBytes),
                 second->size());
    output.emplace(args[2]);
    first.hand_on(*output, 0, first.size());
    first.finish();
    second->hand_on(*output, kHeaderBytes, second->size());
    second->finish();
  } catch (const ToolError&) {
    fault_stands({&first, second ? &*second : nullptr});
    throw;
  }
  output->commit();
}

}  // namespace scoretext::smf
