#include "frontend/tool_error.h"

#include <string>

namespace scoretext {

ToolError ToolError::at_statement(Msg message, std::int32_t line, std::string_view context) {
  ToolError e(message, std::string(context));
  e.place_ = Place::Statement;
  e.line_ = line;
  return e;
}

ToolError ToolError::at_data_line(Msg message, std::string_view line) {
  ToolError e(message, std::string(line));
  e.place_ = Place::DataLine;
  return e;
}

ToolError ToolError::in_template(Msg message, std::string_view detail) {
  ToolError e(message, std::string(detail));
  e.place_ = Place::Template;
  return e;
}

ToolError ToolError::bare(Msg message, std::string_view detail) {
  ToolError e(message, std::string(detail));
  e.place_ = Place::Bare;
  return e;
}

ToolError ToolError::placed_at(std::int32_t line, std::string_view context) const {
  if (place_ != Place::Unplaced) return *this;
  return at_statement(message_, line, context);
}

namespace {

// The message with its "%s" replaced by the detail.
std::string with_detail(std::string text, const std::string& detail) {
  const std::size_t slot = text.find("%s");
  if (slot != std::string::npos) text.replace(slot, 2, detail);
  return text;
}

}  // namespace

std::string ToolError::report(TextForm form) const {
  const std::string text = message_text(message_, form);
  switch (place_) {
    case Place::Statement:
      return "ERROR:" + text + ':' + std::to_string(line_) + ' ' + detail_ + '\n';
    case Place::DataLine:
      return "ERROR:" + text + ' ' + detail_ + '\n';
    case Place::Template:
      return "ERROR: " + with_detail(text, detail_) + '\n';
    case Place::Bare:
      return with_detail(text, detail_);
    case Place::Unplaced:
      break;
  }
  return "ERROR:" + text + (detail_.empty() ? "" : " " + detail_) + '\n';
}

}  // namespace scoretext
