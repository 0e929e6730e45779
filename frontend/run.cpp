#include "frontend/run.h"

#include "frontend/tool_error.h"

namespace scoretext {

void Run::check_tie() const {
  if (config.tie_checks && pending_tie) throw ToolError(Msg::TiePending);
}

void Run::check_no_more_tokens() const {
  if (!tokens.at_end()) throw ToolError(Msg::Extra);
}

}  // namespace scoretext
