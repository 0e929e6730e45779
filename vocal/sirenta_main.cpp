// sirenta: a sung part into a VSQX file made from the template def.vsqx in
// the current folder.  The template is read once, into memory, for its
// defaults and checked for its landmarks; then the whole part is read; only
// then is the template copied, with the part written in, into a file beside
// the out-file that is renamed over it when complete.  A failed run leaves
// no out-file and an existing one as it was.
#include "frontend/driver.h"
#include "compiler/exchange_order.h"
#include "frontend/files.h"
#include "frontend/line_reader.h"
#include "frontend/output.h"
#include "frontend/statement_reader.h"
#include "vocal/placing.h"
#include "vocal/template_defaults.h"
#include "vocal/vocal_reader.h"
#include "vocal/vsqx_writer.h"

namespace {

using namespace scoretext;
using namespace scoretext::vocal;

constexpr std::string_view kUsage = "sirenta 0.30\nsirenta in-file out-file\n";
constexpr const char* kTemplate = "def.vsqx";

// The template, read once into `image`: its defaults, then its landmarks.
TemplateDefaults read_template(std::string& image) {
  image = read_template_image(InputFile(kTemplate));
  LineReader lines(image, kTemplateLineUnlimited);
  const TemplateDefaults defaults = read_template_defaults(lines);
  check_template_landmarks(image);
  return defaults;
}

void convert(const FileArguments& files) {
  const InputFile in(files[0]);
  std::string template_image;
  const TemplateDefaults defaults = read_template(template_image);
  StatementReader reader(in);
  EventTable table = read_vocal_part(reader, defaults.style);

  AtomicOutputFile out_file(files[1]);
  const Placement placed = place_records(table);
  const std::vector<std::uint32_t> order = exchange_sort_order(placed.controls.ticks);
  Output out(out_file.fd());
  write_vsqx(template_image, table, placed, order, defaults, out);
  out_file.commit(out.flush());
}

}  // namespace

int main(int argc, char** argv) { return run_program(argc, argv, kUsage, 2, convert); }
