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

namespace scoretext::vocal {

namespace {

// Converts each line as the reader reads it.  An error in the conversion is
// placed at the line, as read, at once.
class LineConversion {
 public:
  explicit LineConversion(StatementReader& reader) : reader_(reader) {
    reader_.set_filter([this](std::string_view line, std::string& scratch) { return convert(line, scratch); });
  }
  ~LineConversion() { reader_.set_filter({}); }
  LineConversion(const LineConversion&) = delete;
  LineConversion& operator=(const LineConversion&) = delete;

 private:
  std::string_view convert(std::string_view line, std::string& scratch) {
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
};

}  // namespace

ToolConfig sung_part_config() {
  ToolConfig config;
  config.quotes_within_tokens = true;
  // Lyric and phonetic texts are taken as written.
  config.keep_raw_case = true;
  config.error_context = ErrorContext::LineAsRead;
  return config;
}

EventTable read_vocal_part(StatementReader& reader, const NoteStyle& style, std::vector<KeyMark>* key_marks) {
  LineConversion conversion(reader);
  PartState part;
  part.style = style;
  part.key_marks = key_marks;
  const ToolConfig config = sung_part_config();
  MacroTable macros;
  Tokens tokens;
  auto settings = handler_of([&](Tokens& t) { return take_setting(t, part); });
  auto patterns = handler_of([&](Tokens& t) { return take_pattern(t, part); });
  auto notes = handler_of([&](Tokens& t) { return take_note(t, part); });
  run_statements(reader, macros, tokens, config, {&settings, &patterns, &notes});
  return std::move(part.table);
}

}  // namespace scoretext::vocal
