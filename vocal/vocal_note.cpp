#include "vocal/vocal_note.h"

#include <optional>
#include <string>

#include "frontend/tool_error.h"
#include "vocal/note_attributes.h"
#include "vocal/sung_note.h"

namespace scoretext::vocal {

namespace {

// How a note shares its length f with the silence around it.
struct Timing {
  std::int64_t rest_before = 0;
  std::int64_t note = 0;
  std::int64_t rest_after = 0;
  bool delay = false;
  bool staccato = false;
};

Timing note_timing(Tokens& tokens, const PartState& part, std::int64_t f, bool tie) {
  Timing timing;
  timing.note = f;
  std::optional<int> staccato;
  if (const std::optional<int> divisor = delay_divisor(tokens.current())) {
    tokens.advance();
    timing.delay = true;
    timing.rest_before = f / *divisor;
    timing.note = f - timing.rest_before;
  } else if ((staccato = staccato_number(tokens.current()))) {
    tokens.advance();
  } else if (part.staccato_default != 0) {
    staccato = part.staccato_default;
  }
  if (staccato) {
    timing.staccato = true;
    timing.note = staccato_note(*staccato, f);
    timing.rest_after = f - timing.note;
  }
  if (tie && (timing.delay || timing.staccato)) throw ToolError(Msg::TiePending);
  return timing;
}

// "&101" .. "&200", as the code 102 .. 201; 0 when the token is none.
int articulation_code(Tokens& tokens, const Timing& timing, bool tie) {
  const std::string_view token = tokens.current();
  if (token.empty() || token[0] != '&') return 0;
  const std::optional<int> number = articulation_number(token);
  if (!number) throw ToolError(Msg::ArticulationCode);
  if (tie || timing.delay || timing.staccato) throw ToolError(Msg::ArticulationWithTie);
  tokens.advance();
  return *number + 1;
}

// A lyric or phonetic text: at most 20 bytes, no control byte but the tab
// (the VSQX file could not carry it).
void check_text(std::string_view text, Msg message) {
  if (text.size() > VocalRecord::kTextBytes) throw ToolError(message);
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') throw ToolError(message);
  }
}

// The text of a token from the first character after `prefix` up to the
// next double quote.
std::string_view quoted_text(std::string_view raw, std::size_t prefix, Msg missing) {
  const std::size_t close = raw.find('"', prefix);
  if (close == std::string_view::npos) throw ToolError(missing);
  return raw.substr(prefix, close - prefix);
}

struct Texts {
  bool lyric_given = false;
  bool phonetic_given = false;
};

// The lyric token: "lyric" or "lyric[phonetic]" (anything after ']' is
// ignored).
void lyric_token(std::string_view raw, VocalRecord& note, Texts& texts) {
  std::string_view lyric = quoted_text(raw, 1, Msg::LyricText);
  const std::size_t open = lyric.find('[');
  if (open != std::string_view::npos) {
    const std::size_t close = lyric.find(']', open + 1);
    if (close == std::string_view::npos) throw ToolError(Msg::PhoneticBracket);
    const std::string_view phonetic = lyric.substr(open + 1, close - open - 1);
    check_text(phonetic, Msg::PhoneticText);
    note.phonetic.assign(phonetic);
    note.phonetic_lock = true;
    texts.phonetic_given = true;
    lyric = lyric.substr(0, open);
  }
  check_text(lyric, Msg::LyricText);
  note.lyric.assign(lyric);
  note.lyric_given = true;
  texts.lyric_given = true;
}

// LY"lyric" and PH"phonetic", each once, the lyric token counting.
bool text_token(std::string_view upper, std::string_view raw, VocalRecord& note, Texts& texts) {
  if (!is_text_token(upper)) return false;
  const bool lyric = upper[0] == 'L';
  const Msg message = lyric ? Msg::LyricText : Msg::PhoneticText;
  if (lyric ? texts.lyric_given : texts.phonetic_given) throw ToolError(message);
  const std::string_view text = quoted_text(raw, 3, message);
  check_text(text, message);
  if (lyric) {
    note.lyric.assign(text);
    note.lyric_given = true;
    texts.lyric_given = true;
  } else {
    note.phonetic.assign(text);
    note.phonetic_lock = true;
    texts.phonetic_given = true;
  }
  return true;
}

// Everything after the length group of a statement that names a note.
VocalRecord sung_note(Tokens& tokens, const PartState& part, std::int64_t length) {
  if (tokens.at_end()) throw ToolError(Msg::Extra);
  VocalRecord note;
  note.kind = RecordKind::Note;
  note.length = length;
  note.style = part.style;
  note.note_number = note_number(tokens.current(), part.pitch);
  tokens.advance();

  NoteAttributes attributes;
  if (const std::optional<SungVelocity> velocity = read_sung_velocity(tokens, kSirentaDialect)) {
    note.velocity = velocity->value;
    attributes.velocity_given();
  }
  Texts texts;
  std::string_view lyric;
  if (read_lyric_token(tokens, lyric)) lyric_token(lyric, note, texts);
  for (; !tokens.at_end(); tokens.advance()) {
    if (text_token(tokens.current(), tokens.current_raw(), note, texts)) continue;
    if (!attributes.take(tokens.current())) throw ToolError(Msg::AttributeUnknown);
  }
  attributes.apply(note.style, note.velocity);
  note.controls = attributes.controls();
  // The curves are spread over the note as the delay or staccato left it.
  if (note.controls) note.control_span = length;
  return note;
}

VocalRecord rest_record(const PartState& part, std::int64_t length) {
  VocalRecord rest;
  rest.kind = RecordKind::Rest;
  rest.length = length;
  rest.style = part.style;
  return rest;
}

void append_delay_rest(PartState& part, std::int64_t length) {
  EventTable& table = part.table;
  if (table.size() > part.block_start && table.back().kind == RecordKind::Rest) {
    table.back().length += length;
  } else {
    table.append(rest_record(part, length));
  }
}

void append_note(PartState& part, VocalRecord note) {
  const std::vector<std::int64_t> pieces = articulation_pieces(note.articulation, note.length);
  note.length = pieces[0];
  VocalRecord copy = note;
  copy.controls = nullptr;
  part.table.append(std::move(note));
  for (std::size_t i = 1; i < pieces.size(); ++i) {
    copy.length = pieces[i];
    part.table.append(copy);
  }
}

}  // namespace

bool take_note(Tokens& tokens, PartState& part) {
  SungLength group;
  if (!read_sung_length(tokens, kSirentaDialect, group)) return false;
  const bool tie = group.tie;
  if (tie && part.staccato_default != 0) throw ToolError(Msg::TiePending);
  std::int64_t f = group.ticks;
  f /= group.divisor;

  if (tokens.current() == "X") {
    tokens.advance();
    if (!tokens.at_end()) throw ToolError(Msg::Extra);
    if (tie || part.pending_tie) throw ToolError(Msg::TiePending);
    part.table.append(rest_record(part, f));
    return true;
  }
  if (part.pending_tie) {
    check_continuation_ends(tokens, kSirentaDialect);
    // A tie is pending only right after the tied note was appended.
    part.table.back().length += f;
    part.pending_tie = tie;
    return true;
  }

  const Timing timing = note_timing(tokens, part, f, tie);
  const int code = articulation_code(tokens, timing, tie);
  VocalRecord note = sung_note(tokens, part, timing.note);
  note.articulation = code;

  if (timing.delay) append_delay_rest(part, timing.rest_before);
  append_note(part, std::move(note));
  if (timing.rest_after != 0) part.table.append(rest_record(part, timing.rest_after));
  part.pending_tie = tie;
  return true;
}

}  // namespace scoretext::vocal
