#include "score/midi_messages.h"

#include <array>
#include <optional>
#include <utility>

#include "frontend/signed_number.h"
#include "frontend/tool_error.h"
#include "score/note_pitch.h"

namespace scoretext::score {
namespace {

constexpr int kProgramChange = 0xC0;
constexpr int kChannelPressure = 0xD0;
constexpr int kPolyPressure = 0xA0;

struct Named {
  std::string_view name;
  int number;
};

constexpr std::array<Named, 16> kSevenBit = {{
    {"BS", 0}, {"MD", 1}, {"BC", 2}, {"FC", 4}, {"PT", 5}, {"DE", 6}, {"VO", 7}, {"BL", 8},
    {"PN", 10}, {"EX", 11}, {"EF1", 12}, {"EF2", 13}, {"GC1", 16}, {"GC2", 17}, {"GC3", 18}, {"GC4", 19}}};
constexpr std::array<Named, 15> kFourteenBit = {{
    {"BS2", 0}, {"MD2", 1}, {"BC2", 2}, {"FC2", 4}, {"PT2", 5}, {"VO2", 7}, {"BL2", 8}, {"PN2", 10},
    {"EX2", 11}, {"EF12", 12}, {"EF22", 13}, {"GC12", 16}, {"GC22", 17}, {"GC32", 18}, {"GC42", 19}}};
constexpr std::array<Named, 6> kSwitches = {{
    {"HO1", 64}, {"PR", 65}, {"SS", 66}, {"SF", 67}, {"LF", 68}, {"HO2", 69}}};
constexpr std::array<Named, 21> kFurther = {{
    {"VS", 70}, {"TI", 71}, {"RE", 72}, {"AT", 73}, {"BR", 74}, {"DT", 75}, {"VR", 76},
    {"VD", 77}, {"VL", 78}, {"CS10", 79}, {"GC5", 80}, {"GC6", 81}, {"GC7", 82}, {"GC8", 83},
    {"PC", 84}, {"ED", 91}, {"TD", 92}, {"CD", 93}, {"SD", 94}, {"FD", 95}, {"HLD", 64}}};

template <std::size_t N>
std::optional<int> find(const std::array<Named, N>& list, std::string_view name) {
  for (const Named& n : list)
    if (n.name == name) return n.number;
  return std::nullopt;
}

// "CC#0".."CC#119", "MM#120".."MM#127" as the controller number.
std::optional<int> numbered_controller(std::string_view keyword) {
  if (keyword.size() < 4 || (keyword.substr(0, 3) != "CC#" && keyword.substr(0, 3) != "MM#"))
    return std::nullopt;
  return parse_signed(keyword.substr(3));
}

class Messages {
 public:
  Messages(int channel, std::int64_t tick, Track& track) : channel_(channel), tick_(tick), track_(track) {}
  void control(int number, int value) { track_.channel_message(tick_, kControlChange | channel_, number, value); }
  void pair(int msb_number, int lsb_number, int value) {
    control(msb_number, value >> 7);
    control(lsb_number, value & 127);
  }
  void message(int status, int data1, int data2 = -1) { track_.channel_message(tick_, status | channel_, data1, data2); }
  void note_on(int key, int velocity) { track_.note_on(tick_, channel_, key, velocity); }
  void note_off(int key) { track_.note_off(tick_, channel_, key); }

 private:
  int channel_;
  std::int64_t tick_;
  Track& track_;
};

int value(const std::vector<std::string_view>& words, std::size_t i) {
  return i < words.size() ? parse_signed(words[i]) : 0;
}

int note(const std::vector<std::string_view>& words, int transposition) {
  const std::optional<int> n = words.size() > 1 ? star_note_number(words[1]) : std::nullopt;
  if (!n) throw ToolError(Msg::BadNote);
  return transposed(*n, transposition);
}

// The statements with a keyword of their own; false for a controller name.
bool add_keyword_statement(std::string_view keyword, const std::vector<std::string_view>& words,
                           int transposition, Messages& m) {
  if (keyword == "PB") {
    const int v = value(words, 1) + kBendCentre;
    m.message(kPitchBend, v & 127, v >> 7);
  } else if (keyword == "PCH") {
    m.message(kProgramChange, value(words, 1));
  } else if (keyword == "CP") {
    m.message(kChannelPressure, value(words, 1));
  } else if (keyword == "RPN1" || keyword == "NRPN1" || keyword == "DE1") {
    const int msb = keyword == "RPN1" ? 101 : keyword == "NRPN1" ? 99 : 6;
    const int lsb = keyword == "RPN1" ? 100 : keyword == "NRPN1" ? 98 : 38;
    m.control(msb, value(words, 1));
    m.control(lsb, value(words, 2));
  } else if (keyword == "RPN2" || keyword == "NRPN2" || keyword == "DE2") {
    const int msb = keyword == "RPN2" ? 101 : keyword == "NRPN2" ? 99 : 6;
    const int lsb = keyword == "RPN2" ? 100 : keyword == "NRPN2" ? 98 : 38;
    m.pair(msb, lsb, value(words, 1));
  } else if (keyword == "NON") {
    const int velocity = words.size() > 2 ? parse_signed(words[2].substr(1)) : kDefaultVelocity;
    m.note_on(note(words, transposition), velocity);
  } else if (keyword == "NOFF") {
    m.note_off(note(words, transposition));
  } else if (keyword == "PP") {
    m.message(kPolyPressure, note(words, transposition), value(words, 2));
  } else {
    return false;
  }
  return true;
}

}  // namespace

void add_midi_statement(const std::vector<std::string_view>& words, int channel, int transposition,
                        std::int64_t tick, Track& track) {
  if (words.empty() || words[0].size() < 2) throw ToolError(Msg::Malformed);
  const std::string_view keyword = words[0].substr(1);
  Messages m(channel, tick, track);
  if (add_keyword_statement(keyword, words, transposition, m)) return;
  if (const std::optional<int> n = numbered_controller(keyword)) {
    m.control(*n, value(words, 1));
  } else if (const std::optional<int> s = find(kSevenBit, keyword)) {
    m.control(*s, value(words, 1));
  } else if (const std::optional<int> f = find(kFourteenBit, keyword)) {
    m.pair(*f, *f + 32, value(words, 1));
  } else if (const std::optional<int> w = find(kSwitches, keyword)) {
    m.control(*w, words.size() > 1 && words[1] == "ON" ? 127 : 0);
  } else if (const std::optional<int> c = find(kFurther, keyword)) {
    m.control(*c, value(words, 1));
  } else {
    throw ToolError(Msg::Malformed);
  }
}

}  // namespace scoretext::score
