#include "vocal/vsqx_writer.h"

#include <charconv>
#include <string_view>

#include "frontend/score_tables.h"
#include "vocal/master_track.h"

namespace scoretext::vocal {

namespace {

bool contains(std::string_view line, std::string_view text) {
  return line.find(text) != std::string_view::npos;
}

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
    if (replace_time_signature_ && contains(line, "<musicalPart>")) {
      part_position_pending_ = true;
      play_time_pending_ = true;
    }
    if (part_position_pending_ && contains(line, "<posTick>")) {
      write_element(out_, "\t\t\t<posTick>", part_position_, "</posTick>\n");
      part_position_pending_ = false;
      return;
    }
    if (play_time_pending_ && contains(line, "<playTime>")) {
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

}  // namespace

void write_vsqx(LineReader& template_lines, const EventTable& table, const Placement& placed,
                const std::vector<std::uint32_t>& order, const TemplateDefaults& defaults,
                Output& out) {
  Writer writer(table, placed, order, defaults, out);
  std::string_view line;
  while (template_lines.next(line)) writer.copy_line(line);
}

}  // namespace scoretext::vocal
