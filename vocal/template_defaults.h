// What the VSQX template def.vsqx says before the input is read: the master
// track's first time signature and tempo, the seven singing attributes that
// every note starts from, and where the musical part starts in the song.
//
// Each line is looked at once.  The first of "<nume>", "<denomi>", "<bpm>",
// "\"accent\"", "\"bendDep\"", "\"bendLen\"", "\"decay\"", "\"fallPort\"",
// "\"opening\"", "\"risePort\"" that the line contains decides what it sets;
// the value runs from the first '>' at or after that text up to the next
// '<'; a later line overrides an earlier one.  The part's position is the
// value on the first line holding "<posTick>" from the first line holding
// "<musicalPart>" on, read the same way.
//
// A line lacking that '>' or '<' throws "ERROR: <line>" (a template error);
// a value that is no signed number throws Msg::Malformed at line 0 with the
// line as context.  A read error throws the file's open error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "frontend/files.h"
#include "frontend/line_reader.h"
#include "vocal/vocal_record.h"

namespace scoretext::vocal {

struct TemplateDefaults {
  std::int32_t numerator = 4;
  std::int32_t denominator = 4;
  std::int32_t tempo = 12000;  // beats per minute times 100
  NoteStyle style;
  // The musical part's posTick: song ticks before the part begins.
  std::int64_t part_position = 0;

  // Ticks per measure of the template's time signature; a whole measure
  // (1920) when numerator × 1920 / denominator is no positive whole number.
  std::int64_t measure_ticks() const;
};

// A template's lines are read whole, however long: this is the reader's
// length limit for them.
inline constexpr std::size_t kTemplateLineUnlimited = static_cast<std::size_t>(-1) - 1;

// The longest template line taken, its line end not counted: 16 MiB.  A
// VSQX file's lines are short; the bound keeps an endless line (a link to a
// device) from taking the memory.
inline constexpr std::size_t kTemplateLineLimit = std::size_t{16} << 20;

// The whole template, read once from `file`, so that both readings work on
// a pipe as on a file.  Memory: at most twice the template's size.
// A line longer than kTemplateLineLimit throws Msg::LineTooLong as a
// template error as soon as it is seen; a read error throws the file's open
// error.
std::string read_template_image(const InputFile& file);

// Reads every line of the template.
TemplateDefaults read_template_defaults(LineReader& lines);

}  // namespace scoretext::vocal
