// vastrel: a drum part straight into a Standard MIDI File.  The whole input
// is read and the whole image made before the out-file is touched; the file
// is then written beside its name and renamed over it, so a failed run
// leaves no out-file and an existing one as it was.
#include "drum/drumdef.h"
#include "drum/smf_part.h"
#include "frontend/driver.h"
#include "frontend/files.h"
#include "frontend/main_loop.h"
#include "frontend/statement_reader.h"

int main(int argc, char** argv) {
  using namespace scoretext;
  constexpr std::string_view kUsage = "vastrel 0.10\nquendro in-file out-file\n";
  return run_program(argc, argv, kUsage, 2, [](const FileArguments& files) {
    const drum::DrumKit kit = drum::load_drum_file();
    std::string image;
    {
      const InputFile in(files[0]);
      StatementReader reader(in);
      drum::SmfPart part(kit);
      drum::read_smf_part(reader, part);
      // What is found wrong after the input is shown at its last line.
      placed_at_statement(reader, [&] { image = part.image(); });
    }
    write_file_atomically(files[1], {image});
  });
}
