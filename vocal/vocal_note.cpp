#include "vocal/vocal_note.h"

#include <array>
#include <optional>
#include <string>

#include "frontend/score_tables.h"
#include "frontend/signed_number.h"
#include "frontend/tool_error.h"
#include "vocal/note_attributes.h"

namespace scoretext::vocal {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Takes the current token when it is `token`.
bool take(Tokens& tokens, std::string_view token) {
  if (tokens.at_end() || tokens.current() != token) return false;
  tokens.advance();
  return true;
}

// How a note shares its length f with the silence around it.
struct Timing {
  std::int64_t rest_before = 0;
  std::int64_t note = 0;
  std::int64_t rest_after = 0;
  bool delay = false;
  bool staccato = false;
};

// "DL" and "DL1" to "DL4": the delay's divisor.
std::optional<int> delay_divisor(std::string_view token) {
  if (token == "DL" || token == "DL1") return 4;
  if (token == "DL2") return 8;
  if (token == "DL3") return 16;
  if (token == "DL4") return 32;
  return std::nullopt;
}

// "S" and "S0" to "S8": the staccato's number.
std::optional<int> staccato_number(std::string_view token) {
  if (token == "S") return 1;
  if (token.size() == 2 && token[0] == 'S' && token[1] >= '0' && token[1] <= '8') return token[1] - '0';
  return std::nullopt;
}

// The sounding part of a note of f ticks under staccato n; the rest after
// it takes the remainder.
std::int64_t staccato_note(int n, std::int64_t f) {
  switch (n) {
    case 1: return f / 2;
    case 2: return f / 4;
    case 3: return f / 3;
    case 4: return f / 2 + f / 4;
    case 5: return f - f / 8;
    case 6: return f - f / 16;
    case 7: return f - f / 32;
    case 8: return f - (2 * f) / 3;
    default: return f;
  }
}

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
  const bool digits = token.size() == 4 && is_digit(token[1]) && is_digit(token[2]) && is_digit(token[3]);
  const int number = digits ? (token[1] - '0') * 100 + (token[2] - '0') * 10 + (token[3] - '0') : 0;
  if (number < 101 || number > 200) throw ToolError(Msg::ArticulationCode);
  if (tie || timing.delay || timing.staccato) throw ToolError(Msg::ArticulationWithTie);
  tokens.advance();
  return number + 1;
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
  texts.lyric_given = true;
}

// LY"lyric" and PH"phonetic", each once, the lyric token counting.
bool text_token(std::string_view upper, std::string_view raw, VocalRecord& note, Texts& texts) {
  const bool lyric = upper.starts_with("LY\"");
  if (!lyric && !upper.starts_with("PH\"")) return false;
  const Msg message = lyric ? Msg::LyricText : Msg::PhoneticText;
  if (lyric ? texts.lyric_given : texts.phonetic_given) throw ToolError(message);
  const std::string_view text = quoted_text(raw, 3, message);
  check_text(text, message);
  if (lyric) {
    note.lyric.assign(text);
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
  const std::string_view v = tokens.current();
  if (v.size() >= 2 && v[0] == 'V' && is_digit(v[1])) {
    const std::int32_t velocity = parse_signed(v.substr(1));
    if (velocity < 0 || velocity > kVelocityMax) throw ToolError(Msg::NoteOnVelocityRange);
    note.velocity = velocity;
    attributes.velocity_given();
    tokens.advance();
  }
  Texts texts;
  if (!tokens.at_end() && tokens.current()[0] == '"') {
    lyric_token(tokens.current_raw(), note, texts);
    tokens.advance();
  }
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

std::vector<std::int64_t> articulation_pieces(int code, std::int64_t length) {
  const std::int64_t l = length;
  std::vector<std::int64_t> pieces;
  if (code >= 102 && code <= 107) {
    constexpr std::array<int, 6> kDivisors = {2, 3, 4, 8, 16, 32};
    pieces = {l / kDivisors[static_cast<std::size_t>(code - 102)], 0};
  } else if (code >= 108 && code <= 111) {
    const std::int64_t q = l / (code <= 109 ? 16 : 32);
    pieces = {q, code % 2 == 0 ? q : 2 * q, 0};
  } else if (code >= 112 && code <= 117) {
    const std::size_t m = static_cast<std::size_t>(code - 109);
    pieces.assign(m, l / static_cast<std::int64_t>(m));
  } else if (code == 118 || code == 119) {
    const std::int64_t q = l / 16;
    pieces = code == 118 ? std::vector<std::int64_t>{2 * q, 2 * q, 4 * q, 0}
                         : std::vector<std::int64_t>{8 * q, 4 * q, 2 * q, 0};
  } else if (code == 120 || code == 121) {
    const std::int64_t q = l / 32;
    pieces = code == 120 ? std::vector<std::int64_t>{2 * q, 2 * q, 4 * q, 8 * q, 0}
                         : std::vector<std::int64_t>{16 * q, 8 * q, 4 * q, 2 * q, 0};
  } else {
    return {l};
  }
  // The last piece takes what the others leave, so no tick is lost.
  std::int64_t others = 0;
  for (std::size_t i = 0; i + 1 < pieces.size(); ++i) others += pieces[i];
  pieces.back() = l - others;
  return pieces;
}

bool take_note(Tokens& tokens, PartState& part) {
  const std::optional<int> ticks = length_ticks(tokens.current());
  if (!ticks) return false;
  tokens.advance();
  std::int64_t f = *ticks;
  const bool tie = take(tokens, ")");
  if (tie && part.staccato_default != 0) throw ToolError(Msg::TiePending);
  const std::string_view bracket = tokens.current();
  if (bracket.size() == 2 && bracket[0] == ']' && bracket[1] >= '2' && bracket[1] <= '9') {
    f /= bracket[1] - '0';
    tokens.advance();
  }

  if (tokens.current() == "X") {
    tokens.advance();
    if (!tokens.at_end()) throw ToolError(Msg::Extra);
    if (tie || part.pending_tie) throw ToolError(Msg::TiePending);
    part.table.append(rest_record(part, f));
    return true;
  }
  if (part.pending_tie) {
    if (!tokens.at_end()) throw ToolError(Msg::Extra);
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
