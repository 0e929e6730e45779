#include "vocal/vsqx_writer.h"

#include <charconv>
#include <string_view>

#include "frontend/line_reader.h"
#include "frontend/score_tables.h"
#include "frontend/tool_error.h"
#include "vocal/master_track.h"

namespace scoretext::vocal {

namespace {

bool contains(std::string_view line, std::string_view text) {
  return line.find(text) != std::string_view::npos;
}

constexpr std::string_view kMusicalPart = "<musicalPart>";
constexpr std::string_view kPosTick = "<posTick>";
constexpr std::string_view kPlayTime = "<playTime>";

// The elements whose lines the copy acts on: the template's own time
// signature and tempo (left out from their start line to their end line
// when the part replaces them, the part's own written after the end line)
// and the singer (the part's curves and notes written after its end line).
struct LandmarkElement {
  std::string_view open;
  std::string_view close;
  bool open_is_landmark;
};

constexpr LandmarkElement kTimeSigElement{"<timeSig>", "</timeSig>", true};
constexpr LandmarkElement kTempoElement{"<tempo>", "</tempo>", true};
constexpr LandmarkElement kSingerElement{"<singer>", "</singer>", false};
constexpr LandmarkElement kLandmarkElements[] = {kTimeSigElement, kTempoElement, kSingerElement};

// The texts that make a line a landmark wherever it stands.
constexpr std::string_view kLandmarkTexts[] = {"<timeSig>", "</timeSig>", "<tempo>",
                                               "</tempo>",  "</singer>",  kMusicalPart};

bool holds_landmark(std::string_view text) {
  for (const std::string_view landmark : kLandmarkTexts) {
    if (contains(text, landmark)) return true;
  }
  return false;
}

std::string_view without_blanks(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

// "<open>inner</close>" and nothing else, with no landmark inside; with
// `plain`, no tag inside either.
bool is_whole_element(std::string_view text, std::string_view open, std::string_view close,
                      bool plain) {
  if (text.size() < open.size() + close.size() || !text.starts_with(open) || !text.ends_with(close)) {
    return false;
  }
  const std::string_view inner = text.substr(open.size(), text.size() - open.size() - close.size());
  return !holds_landmark(inner) && !(plain && contains(inner, "<"));
}

// What the check has found so far, in the order in which a missing one is
// reported.
enum Found { TimeSigOpen, TimeSigClose, TempoOpen, TempoClose, MusicalPart, PartPosition, PlayTime, SingerClose, FoundCount };
constexpr std::string_view kFoundNames[FoundCount] = {"<timeSig>", "</timeSig>", "<tempo>",  "</tempo>",
                                                      kMusicalPart, kPosTick,    kPlayTime, "</singer>"};

void write_number(Output& out, std::int64_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.write(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

// "<open>value<close>\n"
void write_element(Output& out, std::string_view open, std::int64_t value, std::string_view close) {
  out.write(open);
  write_number(out, value);
  out.write(close);
}

// The text of a CDATA section: "]]>" would end it, so it becomes "]]" at the
// end of one section and ">" at the start of the next.
void write_cdata_text(Output& out, std::string_view text) {
  for (std::size_t end = text.find("]]>"); end != std::string_view::npos; end = text.find("]]>")) {
    out.write(text.substr(0, end + 2));
    out.write("]]><![CDATA[");
    text.remove_prefix(end + 2);
  }
  out.write(text);
}

class Writer {
 public:
  Writer(const EventTable& table, const Placement& placed, const std::vector<std::uint32_t>& order,
         const TemplateDefaults& defaults, Output& out)
      : table_(table), placed_(placed), order_(order), out_(out) {
    replace_time_signature_ = placed.opening_time_signature.has_value();
    part_position_ =
        replace_time_signature_
            ? kTimeSignatures[static_cast<std::size_t>(*placed.opening_time_signature)].ticks_per_measure()
            : defaults.part_position;
    measures_ = time_signature_measures(table, part_position_, defaults.measure_ticks());
  }

  void copy_line(std::string_view line) {
    if (replace_time_signature_ && contains(line, "<timeSig>")) skip_ = true;
    if (placed_.opening_tempo && contains(line, "<tempo>")) skip_ = true;
    // The part's play time is its length whether or not it replaces the
    // template's signature; its position changes only with the signature.
    if (contains(line, kMusicalPart)) {
      part_position_pending_ = replace_time_signature_;
      play_time_pending_ = true;
    }
    if (part_position_pending_ && contains(line, kPosTick)) {
      write_element(out_, "\t\t\t<posTick>", part_position_, "</posTick>\n");
      part_position_pending_ = false;
      return;
    }
    if (play_time_pending_ && contains(line, kPlayTime)) {
      write_element(out_, "\t\t\t<playTime>", placed_.play_time, "</playTime>\n");
      play_time_pending_ = false;
      return;
    }
    if (!skip_) {
      out_.write(line);
      out_.put('\n');
    }
    if (contains(line, "</timeSig>")) {
      skip_ = false;
      write_time_signatures();
    }
    if (contains(line, "</tempo>")) {
      skip_ = false;
      write_tempos();
    }
    if (contains(line, "</singer>")) {
      write_controls(false);
      write_controls(true);
      write_notes();
    }
  }

 private:
  void write_time_signatures() {
    std::size_t k = 0;
    for (const VocalRecord& record : table_) {
      if (record.kind != RecordKind::TimeSignature) continue;
      const TimeSignature& sig = kTimeSignatures[static_cast<std::size_t>(record.time_signature)];
      out_.write("\t\t<timeSig>\n");
      write_element(out_, "\t\t\t<posMes>", measures_[k++], "</posMes>\n");
      write_element(out_, "\t\t\t<nume>", sig.numerator, "</nume>\n");
      write_element(out_, "\t\t\t<denomi>", sig.denominator, "</denomi>\n");
      out_.write("\t\t</timeSig>\n");
    }
  }

  void write_tempos() {
    for (const VocalRecord& record : table_) {
      if (record.kind != RecordKind::Tempo) continue;
      out_.write("\t\t<tempo>\n");
      write_element(out_, "\t\t\t<posTick>", song_tick(record.position, part_position_), "</posTick>\n");
      write_element(out_, "\t\t\t<bpm>", std::int64_t{record.tempo} * 100, "</bpm>\n");
      out_.write("\t\t</tempo>\n");
    }
  }

  // The events of every kind but POR (mCtrl), or of POR alone (sCtrl).
  void write_controls(bool portamento) {
    const std::string_view open = portamento ? "\t\t\t<sCtrl>\n" : "\t\t\t<mCtrl>\n";
    const std::string_view close = portamento ? "\t\t\t</sCtrl>\n" : "\t\t\t</mCtrl>\n";
    const ControlEvents& events = placed_.controls;
    for (const std::uint32_t i : order_) {
      const int kind = events.kinds[i];
      if ((kind == kPor) != portamento) continue;
      out_.write(open);
      write_element(out_, "\t\t\t\t<posTick>", events.ticks[i], "</posTick>\n");
      out_.write("\t\t\t\t<attr id=\"");
      out_.write(kControlNames[static_cast<std::size_t>(kind)]);
      write_element(out_, "\">", events.values[i], "</attr>\n");
      out_.write(close);
    }
  }

  void write_notes() {
    for (const VocalRecord& record : table_) {
      if (record.kind == RecordKind::Note) write_note(record);
    }
  }

  void write_note(const VocalRecord& note) {
    out_.write("\t\t\t<note>\n");
    write_element(out_, "\t\t\t\t<posTick>", note.position, "</posTick>\n");
    write_element(out_, "\t\t\t\t<durTick>", note.length, "</durTick>\n");
    write_element(out_, "\t\t\t\t<noteNum>", note.note_number, "</noteNum>\n");
    write_element(out_, "\t\t\t\t<velocity>", note.velocity, "</velocity>\n");
    out_.write("\t\t\t\t<lyric><![CDATA[");
    write_cdata_text(out_, note.lyric);
    out_.write("]]></lyric>\n");
    out_.write(note.phonetic_lock ? "\t\t\t\t<phnms lock=\"1\"><![CDATA[" : "\t\t\t\t<phnms><![CDATA[");
    write_cdata_text(out_, note.phonetic);
    out_.write("]]></phnms>\n");
    out_.write("\t\t\t\t<noteStyle>\n");
    const NoteStyle& s = note.style;
    write_element(out_, "\t\t\t\t\t<attr id=\"accent\">", s.accent, "</attr>\n");
    write_element(out_, "\t\t\t\t\t<attr id=\"bendDep\">", s.bend_depth, "</attr>\n");
    write_element(out_, "\t\t\t\t\t<attr id=\"bendLen\">", s.bend_length, "</attr>\n");
    write_element(out_, "\t\t\t\t\t<attr id=\"decay\">", s.decay, "</attr>\n");
    write_element(out_, "\t\t\t\t\t<attr id=\"fallPort\">", s.fall_portamento, "</attr>\n");
    write_element(out_, "\t\t\t\t\t<attr id=\"opening\">", s.opening, "</attr>\n");
    write_element(out_, "\t\t\t\t\t<attr id=\"risePort\">", s.rise_portamento, "</attr>\n");
    // No statement sets the vibrato: its length and type stay 0.
    out_.write("\t\t\t\t\t<attr id=\"vibLen\">0</attr>\n");
    out_.write("\t\t\t\t\t<attr id=\"vibType\">0</attr>\n");
    out_.write("\t\t\t\t</noteStyle>\n");
    out_.write("\t\t\t</note>\n");
  }

  const EventTable& table_;
  const Placement& placed_;
  const std::vector<std::uint32_t>& order_;
  Output& out_;
  bool replace_time_signature_ = false;
  std::int64_t part_position_ = 0;
  std::vector<std::int64_t> measures_;
  bool skip_ = false;
  bool part_position_pending_ = false;
  bool play_time_pending_ = false;
};

// Follows the copy through the template as if the part replaced every
// element it can, and refuses what would misplace or lose the part.
class LandmarkCheck {
 public:
  void look_at(std::string_view line) {
    const std::string_view text = without_blanks(line);
    if (contains(line, kMusicalPart)) {
      if (text != kMusicalPart) refuse(line);
      found(MusicalPart);
      part_position_pending_ = true;
      play_time_pending_ = true;
      return;
    }
    // The lines the copy replaces whole.
    if (part_position_pending_ && contains(line, kPosTick)) {
      if (!is_whole_element(text, kPosTick, "</posTick>", true)) refuse(line);
      found(PartPosition);
      part_position_pending_ = false;
      return;
    }
    if (play_time_pending_ && contains(line, kPlayTime)) {
      if (!is_whole_element(text, kPlayTime, "</playTime>", true)) refuse(line);
      found(PlayTime);
      play_time_pending_ = false;
      return;
    }
    for (const LandmarkElement& element : kLandmarkElements) {
      const bool opens = element.open_is_landmark && contains(line, element.open);
      const bool closes = contains(line, element.close);
      if (!opens && !closes) continue;
      const bool whole = is_whole_element(text, element.open, element.close, false);
      if (!whole && text != element.close && !(opens && text == element.open)) refuse(line);
      if (element.open_is_landmark && (opens || whole)) found(open_of(element));
      if (closes) found(close_of(element));
    }
  }

  // Refuses a template in which a place for the part was never found.
  void finish() const {
    for (int i = 0; i < FoundCount; ++i) {
      const bool pending = (i == PartPosition && part_position_pending_) ||
                           (i == PlayTime && play_time_pending_);
      if (!found_[i] || pending) throw ToolError::in_template(Msg::TemplateLandmarkMissing, kFoundNames[i]);
    }
  }

 private:
  [[noreturn]] static void refuse(std::string_view line) {
    throw ToolError::in_template(Msg::TemplateLine, line);
  }
  static Found open_of(const LandmarkElement& element) {
    return element.open == kTimeSigElement.open ? TimeSigOpen : TempoOpen;
  }
  static Found close_of(const LandmarkElement& element) {
    if (element.close == kTimeSigElement.close) return TimeSigClose;
    return element.close == kTempoElement.close ? TempoClose : SingerClose;
  }
  void found(Found what) { found_[what] = true; }

  bool found_[FoundCount] = {};
  bool part_position_pending_ = false;
  bool play_time_pending_ = false;
};

}  // namespace

void check_template_landmarks(std::string_view template_image) {
  LandmarkCheck check;
  LineReader lines(template_image, kTemplateLineUnlimited);
  std::string_view line;
  while (lines.next(line)) check.look_at(line);
  check.finish();
}

void write_vsqx(std::string_view template_image, const EventTable& table, const Placement& placed,
                const std::vector<std::uint32_t>& order, const TemplateDefaults& defaults,
                Output& out) {
  Writer writer(table, placed, order, defaults, out);
  LineReader lines(template_image, kTemplateLineUnlimited);
  std::string_view line;
  while (lines.next(line)) writer.copy_line(line);
}

}  // namespace scoretext::vocal
