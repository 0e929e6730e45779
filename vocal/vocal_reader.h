// Reads a whole sung part into its event table.  Each line is converted as
// it is read (Shift_JIS kana to UTF-8, kana_filter.h) and its statements go
// through the front end's statement loop (main_loop.h) with
// sung_part_config: quotes within tokens, and the whole line as read
// (before its conversion, comment included) as every error's context.  The
// handlers are sirenta's settings and patterns (vocal_settings.h) and its
// note statement (vocal_note.h); a statement that none of them takes is
// Msg::Malformed.  The reader's line filter is set for the read and removed
// before returning.
#pragma once

#include "frontend/statement_reader.h"
#include "frontend/tool_config.h"
#include "vocal/part_state.h"
#include "vocal/vocal_record.h"

namespace scoretext::vocal {

// The tokenizer's settings for sung parts.
ToolConfig sung_part_config();

// `style`: the singing attributes every note starts from (the template's).
// `key_marks`, when given, receives every SK statement where it stood.
EventTable read_vocal_part(StatementReader& reader, const NoteStyle& style,
                           std::vector<KeyMark>* key_marks = nullptr);

}  // namespace scoretext::vocal
