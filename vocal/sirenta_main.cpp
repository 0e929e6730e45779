// sirenta: a sung part into a VSQX file made from the template def.vsqx in
// the current folder.  The template's defaults are read first, then the
// whole part; only then is the template read again and copied, with the
// part written in, into a file beside the out-file that is renamed over it
// when complete.  A failed run leaves no out-file and an existing one as it
// was.
#include "frontend/driver.h"
#include "frontend/exchange_order.h"
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

TemplateDefaults template_defaults() {
  const InputFile file(kTemplate);
  LineReader lines(file, kTemplateLineUnlimited);
  return read_template_defaults(lines);
}

void convert(const FileArguments& files) {
  const InputFile in(files[0]);
  const TemplateDefaults defaults = template_defaults();
  StatementReader reader(in);
  EventTable table = read_vocal_part(reader, defaults.style);

  const InputFile again(kTemplate);
  AtomicOutputFile out_file(files[1]);
  const Placement placed = place_records(table);
  const std::vector<std::uint32_t> order = exchange_sort_order(placed.controls.ticks);
  LineReader lines(again, kTemplateLineUnlimited);
  Output out(out_file.fd());
  write_vsqx(lines, table, placed, order, defaults, out);
  out_file.commit(out.flush());
}

}  // namespace

int main(int argc, char** argv) { return run_program(argc, argv, kUsage, 2, convert); }
