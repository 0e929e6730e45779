// Reads a whole sung part into its event table.  Each line is converted as
// it is read (Shift_JIS kana to UTF-8, kana_filter.h), split into
// statements, and each statement goes through the macro step, the tokens of
// vocal_tokens.h, and then the settings, the patterns and the note
// statement, in that order; a statement that none of them takes is
// "指定の誤り".
//
// Errors are placed at the statement, with the whole line as read (before
// its conversion, comment included) as the context.  The reader's line
// filter is set for the read and removed before returning.
#pragma once

#include "frontend/statement_reader.h"
#include "vocal/vocal_record.h"

namespace scoretext::vocal {

// `style`: the singing attributes every note starts from (the template's).
EventTable read_vocal_part(StatementReader& reader, const NoteStyle& style);

}  // namespace scoretext::vocal
