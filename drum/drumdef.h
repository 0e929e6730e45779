// The drum kit of a run: the instruments that drumdef.txt names, each with
// the note it plays.  Both drum tools read the file with this one reader;
// the kit it returns is indexed 0..size()-1 in file order, so a tool that
// keeps more per instrument (such as a running time) holds it in an array of
// its own indexed the same way.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "drum/limits.h"

namespace scoretext {
class InputFile;
}

namespace scoretext::drum {

// The fixed name of the drum definition file, opened in the current directory.
inline constexpr const char* kDrumFileName = "drumdef.txt";

// "V" followed by a digit: a velocity in a drum statement, and therefore no
// instrument name.
constexpr bool is_velocity_token(std::string_view token) {
  return token.size() >= 2 && token[0] == 'V' && token[1] >= '0' && token[1] <= '9';
}

struct Instrument {
  std::string name;  // 1 to 10 characters, upper case
  int note;          // 0 to 119
};

class DrumKit {
 public:
  static constexpr int kNone = -1;

  // Reads one definition line (without its line end), with every check of
  // the file format.  A fault throws ToolError placed at `line` as given.  A line that is empty, blank or only a comment defines nothing.
  void define(std::string_view line);

  std::size_t size() const { return instruments_.size(); }
  bool empty() const { return instruments_.empty(); }
  const Instrument& operator[](std::size_t index) const { return instruments_[index]; }
  const std::vector<Instrument>& instruments() const { return instruments_; }

  // The index of the instrument whose name is exactly `name` (compared byte
  // for byte; callers pass upper-cased tokens), or kNone.
  int find(std::string_view name) const;
  // The index of the instrument that plays `note` (0..119), or kNone.
  int owner_of(int note) const { return owner_.at(static_cast<std::size_t>(note)); }

 private:
  struct NameHash {
    using is_transparent = void;
    // FNV-1a: the names are a few characters, looked up once per instrument
    // of every drum statement.
    std::size_t operator()(std::string_view s) const {
      std::uint64_t h = 14695981039346656037u;
      for (const char c : s) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211u;
      return static_cast<std::size_t>(h);
    }
  };

  std::vector<Instrument> instruments_;
  std::unordered_map<std::string, int, NameHash, std::equal_to<>> by_name_;
  std::array<int, kDrumNotes> owner_ = make_owner();

  static std::array<int, kDrumNotes> make_owner() {
    std::array<int, kDrumNotes> owner;
    owner.fill(kNone);
    return owner;
  }
};

// Reads a whole definition file given as its bytes.  Lines end at LF; a CR
// right before the LF, or ending the last line, goes with the line end.  NUL
// bytes are ordinary characters.  A fault throws ToolError placed at the
// definition line ("ERROR:<message> <line>").
DrumKit read_drum_definitions(std::string_view file_text);

// Reads an open definition file one line at a time, in memory bounded by the
// line limit.  Throws the file's open error when it cannot be read to its
// end, or the fault of a definition line.
DrumKit read_drum_file(const InputFile& file);

// Opens drumdef.txt in the current directory and reads it as above.
DrumKit load_drum_file();

}  // namespace scoretext::drum
