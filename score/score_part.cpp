#include "score/score_part.h"

#include <optional>
#include <string>
#include <vector>

#include "frontend/length_group.h"
#include "frontend/macro_table.h"
#include "frontend/main_loop.h"
#include "frontend/note_group.h"
#include "frontend/pattern_blocks.h"
#include "frontend/score_tables.h"
#include "frontend/settings.h"
#include "frontend/signed_number.h"
#include "score/chord_notes.h"
#include "score/midi_messages.h"
#include "score/note_pitch.h"
#include "score/note_timing.h"
#include "score/smf_file.h"

namespace scoretext::score {
namespace {

constexpr int kTextMeta = 0x01;

ToolConfig score_config() {
  ToolConfig config;
  config.quote_aware = true;  // a comment may hold blanks and keeps its case
  config.token_refused = limits::kTokenRefusedLong;
  config.keep_raw_case = true;  // chord names are case-sensitive
  return config;
}

struct Sounding {
  int note;  // before transposition
  int velocity;
};

// The words of the lines the front end wrote for a checked statement.
std::vector<std::string_view> words_of(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < line.size()) {
    const std::size_t end = line.find_first_of(" \n", at);
    const std::size_t stop = end == std::string_view::npos ? line.size() : end;
    if (stop > at) words.push_back(line.substr(at, stop - at));
    at = stop + 1;
  }
  return words;
}

// "#7".."#1", "#", "0", "b", "b1".."b7" as sharps (negative: flats).
int key_sharps(std::string_view key) {
  if (key == "0") return 0;
  const int sign = key[0] == '#' ? 1 : -1;
  return key.size() == 1 ? sign : sign * (key[1] - '0');
}

class ScorePart : public NoteStatementHandler {
 public:
  ScorePart(int channel, PartTrackData& part) : channel_(channel), part_(part) {}

  void handle(Run& run) override;
  void reset() override { saved_.clear(); saved_rest_ = false; }

  // A setting, MIDI or pattern statement the front end accepted and wrote.
  void carry_out(std::string_view written, const StatementPlace& place);
  // The end of the part: tied notes end with their last continuation.
  void finish();

 private:
  struct Span {
    std::size_t first = 0, last = 0;
    std::int64_t start = 0, end = 0;
    bool ended = false;
  };

  void setting(const std::vector<std::string_view>& w, const StatementPlace& place);
  void pattern(const std::vector<std::string_view>& w);
  // The span of pattern n (0..kPatterns-1, checked by the front end).
  Span& span(int n);
  void continuation(Run& run, std::int64_t f, std::string_view articulation);
  // Reads the notes after the length group; false for the rest mark.
  bool read_group(Run& run, std::vector<Sounding>& group, std::string_view& comment);
  void sound(const std::vector<Sounding>& group, const std::vector<Piece>& pieces, bool tied);
  void release_tied(std::int64_t end);

  int channel_;
  PartTrackData& part_;
  std::int64_t tick_ = 0;
  int transposition_ = 0;
  int staccato_default_ = 0;
  std::vector<Sounding> saved_;
  bool saved_rest_ = false;
  // Notes sounding under a tie: their keys, and the tick where they end.
  std::vector<int> tied_;
  std::int64_t tied_end_ = 0;
  // Grown to the highest pattern number used: most parts have none.
  std::vector<Span> patterns_;
  int open_pattern_ = -1;
  LengthGroup length_;
};

void ScorePart::carry_out(std::string_view written, const StatementPlace& place) {
  const std::vector<std::string_view> w = words_of(written);
  if (w.empty()) return;
  if (w[0][0] == '!') {
    add_midi_statement(w, channel_, transposition_, tick_, part_.track);
  } else if (w[0] == "PS" || w[0] == "PE" || w[0] == "PR") {
    pattern(w);
  } else {
    setting(w, place);
  }
}

void ScorePart::setting(const std::vector<std::string_view>& w, const StatementPlace& place) {
  const std::string_view operand = w.size() > 1 ? w[1] : std::string_view();
  if (w[0] == "SB") {
    const TimeSignature& sig = kTimeSignatures[static_cast<std::size_t>(*find_time_signature(operand))];
    part_.conductor.set({tick_, ConductorKind::TimeSignature, time_signature_data(sig.numerator, sig.denominator_power), place});
  } else if (w[0] == "ST") {
    const std::int64_t bpm = parse_signed(operand);
    if (bpm < kSlowestTempo || bpm > kFastestTempo) throw ToolError(Msg::RangeExceeded);
    part_.conductor.set({tick_, ConductorKind::Tempo, tempo_data(bpm), place});
  } else if (w[0] == "SK") {
    const int minor = w.size() > 2 && w[2] == "1" ? 1 : 0;
    part_.conductor.set({tick_, ConductorKind::Key, key_data(key_sharps(operand), minor), place});
  } else if (w[0] == "SC") {
    transposition_ = parse_signed(operand);
  } else if (w[0] == "SS") {
    staccato_default_ = parse_signed(operand);
  }
  // SC4, SCN, SV, SN, SSN, SRN, SS#, SSB, SSC: checked, without effect on
  // notes written as absolute pitches.
}

ScorePart::Span& ScorePart::span(int n) {
  const auto at = static_cast<std::size_t>(n);
  if (at >= patterns_.size()) patterns_.resize(at + 1);
  return patterns_[at];
}

void ScorePart::pattern(const std::vector<std::string_view>& w) {
  if (w[0] == "PS") {
    open_pattern_ = parse_signed(w[1]);
    span(open_pattern_) = {part_.track.size(), 0, tick_, 0, false};
  } else if (w[0] == "PE") {
    Span& open = span(open_pattern_);
    open.last = part_.track.size();
    open.end = tick_;
    open.ended = true;
    open_pattern_ = -1;
  } else {
    const Span replayed = span(parse_signed(w[1]));
    if (!replayed.ended) throw ToolError(Msg::PatternUndefined);
    part_.track.replay(replayed.first, replayed.last, tick_ - replayed.start);
    tick_ += replayed.end - replayed.start;
    check_part_size(part_.track);
  }
}

void ScorePart::release_tied(std::int64_t end) {
  for (int key : tied_) part_.track.note_off(end, channel_, key);
  tied_.clear();
}

void ScorePart::continuation(Run& run, std::int64_t f, std::string_view articulation) {
  if (!run.tokens.at_end()) throw ToolError(Msg::TiePending);
  tied_end_ = tick_ + continuation_ticks(f, articulation);
  if (!length_.tie) release_tied(tied_end_);
}

bool ScorePart::read_group(Run& run, std::vector<Sounding>& group, std::string_view& comment) {
  Tokens& tokens = run.tokens;
  if (tokens.current() == "X") {
    tokens.advance();
    if (length_.articulation) throw ToolError(Msg::RestArticulation);
    return false;
  }
  while (!tokens.at_end()) {
    const std::string_view token = tokens.current();
    if (token[0] == '"') {
      comment = token.substr(1, token.size() - 2);
      tokens.advance();
      return true;
    }
    // The notes of this word: one "*" note, or a chord.
    const std::size_t first = group.size();
    if (token[0] == '*') {
      const std::optional<int> n = star_note_number(token);
      if (!n) throw ToolError(Msg::BadNote);
      group.push_back({*n, kDefaultVelocity});
    } else if (token[0] == 'V' || token[0] == '&' || token[0] == ')' || token[0] == ']') {
      throw ToolError(Msg::Malformed);
    } else {
      for (int n : chord_note_numbers(tokens.current_raw())) group.push_back({n, kDefaultVelocity});
    }
    tokens.advance();
    if (!tokens.at_end() && tokens.current()[0] == 'V') {
      const std::string_view v = tokens.current();
      const int velocity = check_velocity(v);
      for (std::size_t i = first; i < group.size(); ++i) group[i].velocity = velocity;
      tokens.advance();
    }
  }
  return true;
}

void ScorePart::sound(const std::vector<Sounding>& group, const std::vector<Piece>& pieces, bool tied) {
  for (const Piece& piece : pieces) {
    if (piece.length <= 0) continue;
    for (const Sounding& s : group) {
      // A note of velocity 0 is silent: it writes nothing.
      if (s.velocity == 0) continue;
      const int key = transposed(s.note, transposition_);
      part_.track.note_on(tick_ + piece.start, channel_, key, s.velocity);
      if (tied) {
        tied_.push_back(key);
      } else {
        part_.track.note_off(tick_ + piece.start + piece.length, channel_, key);
      }
    }
  }
}

void ScorePart::handle(Run& run) {
  const bool was_tied = run.pending_tie;
  Tokens& tokens = run.tokens;
  length_.tie = false;
  length_.articulation = false;
  length_.parse(tokens, Msg::Malformed);
  // The length group's words: length, ")", bracket, articulation.
  std::string_view bracket, articulation;
  for (std::size_t i = 1; i < tokens.position(); ++i) {
    const std::string_view t = tokens.at(i);
    if (t[0] == ']') bracket = t;
    else if (t != ")") articulation = t;
  }
  const std::int64_t f = statement_ticks(tokens.at(0), bracket);
  run.pending_tie = length_.tie;
  if (was_tied) {
    continuation(run, f, articulation);
    tick_ += f;
    return;
  }
  std::string_view comment;
  if (tokens.at_end()) {
    // A length alone: the notes of the statement before.
    if (saved_.empty() && !saved_rest_) throw ToolError(Msg::Malformed);
    if (saved_rest_ && length_.articulation) throw ToolError(Msg::RestArticulation);
  } else {
    saved_.clear();
    saved_rest_ = !read_group(run, saved_, comment);
    run.check_no_more_tokens();
  }
  if (!comment.empty()) part_.track.meta(tick_, kTextMeta, comment);
  if (!saved_rest_) sound(saved_, note_pieces(f, articulation, staccato_default_, length_.tie), length_.tie);
  tick_ += f;
  check_part_size(part_.track);
}

void ScorePart::finish() {
  release_tied(tied_end_);
  part_.end_tick = tick_;
}

// !NON *C4, !NOFF *C4 and !PP *C4 50, as the text tools write them, in the
// form the front end checks: the note without its "*".
std::string_view without_note_star(std::string_view statement, std::string& work) {
  const std::size_t blank = statement.find(' ');
  if (statement.empty() || statement[0] != '!' || blank == std::string_view::npos) return statement;
  std::string keyword(statement.substr(1, blank - 1));
  upper_case(keyword.data(), keyword.size());
  if (keyword != "NON" && keyword != "NOFF" && keyword != "PP") return statement;
  const std::size_t note = statement.find_first_not_of(' ', blank);
  if (note == std::string_view::npos || statement[note] != '*') return statement;
  work.assign(statement.substr(0, note));
  work.append(statement.substr(note + 1));
  return work;
}

// The front end's checks, then what the statement does: `recognise` is the
// front end's recogniser, which writes the checked statement.
template <typename Recognise>
bool take_checked(Run& run, std::string& written, const StatementReader& reader, ScorePart& part,
                  Recognise&& recognise) {
  if (!recognise(run)) return false;
  run.out.flush();
  part.carry_out(written, {reader.line_number(), std::string(reader.context())});
  written.clear();
  return true;
}

}  // namespace

void check_part_size(const Track& track) {
  if (track.least_bytes() > kLargestFile) throw ToolError(Msg::OutputOverflow);
}

void read_score_part(StatementReader& reader, int channel, PartTrackData& part) {
  static const ToolConfig config = score_config();
  std::string written;
  Output out(written);
  ScorePart notes(channel, part);
  Run run(config, out, notes);
  MacroTable macros;
  auto settings =
      handler_of([&](Tokens&) { return take_checked(run, written, reader, notes, recognise_setting); });
  auto patterns = handler_of(
      [&](Tokens&) { return take_checked(run, written, reader, notes, recognise_pattern_statement); });
  auto note_statement = handler_of([&](Tokens&) {
    notes.handle(run);
    return true;
  });
  run.reset_note_state();
  run_statements(reader, macros, run.tokens, config, {&settings, &patterns, &note_statement, without_note_star});
  notes.finish();
}

}  // namespace scoretext::score
