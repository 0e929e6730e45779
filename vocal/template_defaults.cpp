#include "vocal/template_defaults.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "frontend/score_tables.h"
#include "frontend/signed_number.h"
#include "frontend/tool_error.h"

namespace scoretext::vocal {

namespace {

// The texts that name a default, in the order in which they are tried.
enum class Slot { Numerator, Denominator, Tempo, Accent, BendDepth, BendLength, Decay, FallPortamento, Opening, RisePortamento };

struct Landmark {
  std::string_view text;
  Slot slot;
};

constexpr std::array<Landmark, 10> kLandmarks = {{
    {"<nume>", Slot::Numerator},
    {"<denomi>", Slot::Denominator},
    {"<bpm>", Slot::Tempo},
    {"\"accent\"", Slot::Accent},
    {"\"bendDep\"", Slot::BendDepth},
    {"\"bendLen\"", Slot::BendLength},
    {"\"decay\"", Slot::Decay},
    {"\"fallPort\"", Slot::FallPortamento},
    {"\"opening\"", Slot::Opening},
    {"\"risePort\"", Slot::RisePortamento},
}};

std::int32_t& field(TemplateDefaults& d, Slot slot) {
  switch (slot) {
    case Slot::Numerator: return d.numerator;
    case Slot::Denominator: return d.denominator;
    case Slot::Tempo: return d.tempo;
    case Slot::Accent: return d.style.accent;
    case Slot::BendDepth: return d.style.bend_depth;
    case Slot::BendLength: return d.style.bend_length;
    case Slot::Decay: return d.style.decay;
    case Slot::FallPortamento: return d.style.fall_portamento;
    case Slot::Opening: return d.style.opening;
    case Slot::RisePortamento: return d.style.rise_portamento;
  }
  return d.numerator;
}

// The number between the first '>' at or after `at` and the next '<'.
std::int32_t value_after(std::string_view line, std::size_t at) {
  const std::size_t open = line.find('>', at);
  const std::size_t close = open == std::string_view::npos ? open : line.find('<', open + 1);
  if (close == std::string_view::npos) throw ToolError::in_template(Msg::TemplateLine, line);
  try {
    return parse_signed(line.substr(open + 1, close - open - 1));
  } catch (const ToolError& e) {
    throw ToolError::at_statement(e.message(), 0, line);
  }
}

}  // namespace

std::string read_template_image(const InputFile& file) {
  // The image doubles when it is full (64 KiB at first): the bytes cleared
  // ahead of the reads stay within twice the template's size, however
  // large it is and however little each read brings.
  constexpr std::size_t kFirstRoom = std::size_t{64} << 10;
  std::string image;
  std::size_t used = 0;
  std::size_t line_start = 0;  // where the line being read begins
  // A line may hold one byte more than the limit while its end is unread:
  // a CR before its LF belongs to the line end.
  const auto refuse_if_longer = [&](std::size_t length, std::size_t limit) {
    if (length > limit) throw ToolError::in_template(Msg::LineTooLong);
  };
  for (;;) {
    if (used == image.size()) image.resize(std::max(kFirstRoom, 2 * used));
    const long got = read_some(file.fd(), image.data() + used, image.size() - used);
    if (got < 0) throw ToolError::open_error(file.name());
    if (got == 0) break;
    const std::size_t from = used;
    used += static_cast<std::size_t>(got);
    const std::string_view read(image.data(), used);
    for (std::size_t lf = read.find('\n', from); lf != std::string_view::npos; lf = read.find('\n', lf + 1)) {
      const bool cr = lf > line_start && read[lf - 1] == '\r';
      refuse_if_longer(lf - line_start - (cr ? 1 : 0), kTemplateLineLimit);
      line_start = lf + 1;
    }
    refuse_if_longer(used - line_start, kTemplateLineLimit + 1);
  }
  image.resize(used);
  const std::size_t last = used - line_start;
  const bool cr = last > 0 && image.back() == '\r';
  refuse_if_longer(last - (cr ? 1 : 0), kTemplateLineLimit);
  return image;
}

std::int64_t TemplateDefaults::measure_ticks() const {
  const std::int64_t whole = std::int64_t{numerator} * kTicksPerWhole;
  if (denominator == 0 || whole % denominator != 0 || whole / denominator <= 0) return kTicksPerWhole;
  return whole / denominator;
}

TemplateDefaults read_template_defaults(LineReader& lines) {
  TemplateDefaults defaults;
  bool in_part = false;
  bool part_position_read = false;
  std::string_view line;
  while (lines.next(line)) {
    for (const Landmark& landmark : kLandmarks) {
      const std::size_t at = line.find(landmark.text);
      if (at == std::string_view::npos) continue;
      field(defaults, landmark.slot) = value_after(line, at);
      break;
    }
    if (!in_part) in_part = line.find("<musicalPart>") != std::string_view::npos;
    if (in_part && !part_position_read) {
      const std::size_t at = line.find("<posTick>");
      if (at != std::string_view::npos) {
        defaults.part_position = value_after(line, at);
        part_position_read = true;
      }
    }
  }
  return defaults;
}

}  // namespace scoretext::vocal
