#include "vocal/vocal_reader.h"

#include <cstdint>
#include <new>

#include "frontend/macro_table.h"
#include "frontend/main_loop.h"
#include "frontend/tool_error.h"
#include "vocal/kana_filter.h"
#include "vocal/part_state.h"
#include "vocal/vocal_note.h"
#include "vocal/vocal_settings.h"
#include "vocal/vocal_tokens.h"

namespace scoretext::vocal {

namespace {

// Converts each line as the reader reads it and remembers the line as read,
// which every error report shows.
class LineConversion {
 public:
  explicit LineConversion(StatementReader& reader) : reader_(reader) {
    reader_.set_filter([this](std::string_view line, std::string& scratch) { return convert(line, scratch); });
  }
  ~LineConversion() { reader_.set_filter({}); }
  LineConversion(const LineConversion&) = delete;
  LineConversion& operator=(const LineConversion&) = delete;

  std::string_view line_as_read() const { return line_; }

 private:
  std::string_view convert(std::string_view line, std::string& scratch) {
    line_ = line;
    try {
      return convert_kana_line(line, scratch);
    } catch (const ToolError& e) {
      throw e.placed_at(this_line_number(), line);
    } catch (const std::bad_alloc&) {
      throw ToolError::at_statement(Msg::OutOfMemory, this_line_number(), line);
    }
  }

  // The reader counts a line only once the filter has handed it over.
  std::int32_t this_line_number() const {
    return reader_.line_number() < INT32_MAX ? reader_.line_number() + 1 : INT32_MAX;
  }

  StatementReader& reader_;
  std::string_view line_;
};

void take_statement(const VocalTokens& tokens, PartState& part) {
  if (tokens.empty()) throw ToolError(Msg::Malformed);
  if (take_setting(tokens, part) || take_pattern(tokens, part) || take_note(tokens, part)) return;
  throw ToolError(Msg::Malformed);
}

}  // namespace

EventTable read_vocal_part(StatementReader& reader, const NoteStyle& style) {
  LineConversion conversion(reader);
  PartState part;
  part.style = style;
  MacroTable macros;
  VocalTokens tokens;
  std::string_view statement;
  placed_at_statement(reader, [&] {
    while (reader.next(statement)) {
      reader.set_context(conversion.line_as_read());
      if (macros.step(statement)) continue;
      tokens.tokenize(statement);
      take_statement(tokens, part);
    }
  });
  return std::move(part.table);
}

}  // namespace scoretext::vocal
