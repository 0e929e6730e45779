#include "chord/older_vocabulary.h"

#include "chord/name_index.h"

namespace scoretext::chord::older {
namespace {

// Fraction chords with flat-spelled roots, eight per root: root/third,
// root/fifth, minor/minor third, minor/fifth, seventh/minor seventh, minor
// seventh/minor seventh, root/second, minor seventh/fourth.
constexpr std::array<std::string_view, 96> kFractionListA = {
    "C/E", "C/G", "Cm/Eb", "Cm/G", "C7/Bb", "Cm7/Bb", "C/D", "Cm7/F",
    "Db/F", "Db/Ab", "Dbm/Fb", "Dbm/Ab", "Db7/Cb", "Dbm7/Cb", "Db/Eb", "Dbm7/Gb",
    "D/F#", "D/A", "Dm/F", "Dm/A", "D7/C", "Dm7/C", "D/E", "Dm7/G",
    "Eb/G", "Eb/Bb", "Ebm/Gb", "Ebm/Bb", "Eb7/Db", "Ebm7/Db", "Eb/F", "Ebm7/Ab",
    "E/G#", "E/B", "Em/G", "Em/B", "E7/D", "Em7/D", "E/F#", "Em7/A",
    "F/A", "F/C", "Fm/Ab", "Fm/C", "F7/Eb", "Fm7/Eb", "F/G", "Fm7/Bb",
    "Gb/Bb", "Gb/Db", "Gbm/A", "Gbm/Db", "Gb7/Fb", "Gbm7/Fb", "Gb/Ab", "Gbm7/Cb",
    "G/B", "G/D", "Gm/Bb", "Gm/D", "G7/F", "Gm7/F", "G/A", "Gm7/C",
    "Ab/C", "Ab/Eb", "Abm/Cb", "Abm/Eb", "Ab7/Gb", "Abm7/Gb", "Ab/Bb", "Abm7/Db",
    "A/C#", "A/E", "Am/C", "Am/E", "A7/G", "Am7/G", "A/B", "Am7/D",
    "Bb/D", "Bb/F", "Bbm/Db", "Bbm/F", "Bb7/Ab", "Bbm7/Ab", "Bb/C", "Bbm7/Eb",
    "B/D#", "B/F#", "Bm/D", "Bm/F#", "B7/A", "Bm7/A", "B/C#", "Bm7/E"};

// The same with sharp-spelled roots.  A#bm/F and A#bm7/Ab are stored that
// way, with a stray "b"; files written for the tool use them.
constexpr std::array<std::string_view, 96> kFractionListB = {
    "C/E", "C/G", "Cm/Eb", "Cm/G", "C7/Bb", "Cm7/Bb", "C/D", "Cm7/F",
    "C#/F", "C#/Ab", "C#m/Fb", "C#m/Ab", "C#7/Cb", "C#m7/Cb", "C#/Eb", "C#m7/Gb",
    "D/F#", "D/A", "Dm/F", "Dm/A", "D7/C", "Dm7/C", "D/E", "Dm7/G",
    "D#/G", "D#/Bb", "D#m/Gb", "D#m/Bb", "D#7/Db", "D#m7/Db", "D#/F", "D#m7/Ab",
    "E/G#", "E/B", "Em/G", "Em/B", "E7/D", "Em7/D", "E/F#", "Em7/A",
    "F/A", "F/C", "Fm/Ab", "Fm/C", "F7/Eb", "Fm7/Eb", "F/G", "Fm7/Bb",
    "F#/Bb", "F#/Db", "F#m/A", "F#m/Db", "F#7/Fb", "F#m7/Fb", "F#/Ab", "F#m7/Cb",
    "G/B", "G/D", "Gm/Bb", "Gm/D", "G7/F", "Gm7/F", "G/A", "Gm7/C",
    "G#/C", "G#/Eb", "G#m/Cb", "G#m/Eb", "G#7/Gb", "G#m7/Gb", "G#/Bb", "G#m7/Db",
    "A/C#", "A/E", "Am/C", "Am/E", "A7/G", "Am7/G", "A/B", "Am7/D",
    "A#/D", "A#/F", "A#m/Db", "A#bm/F", "A#7/Ab", "A#bm7/Ab", "A#/C", "A#m7/Eb",
    "B/D#", "B/F#", "Bm/D", "Bm/F#", "B7/A", "Bm7/A", "B/C#", "Bm7/E"};

// Suffixes after a chord name without a leading digit.
constexpr std::array<std::string_view, 38> kSuffixList0 = {
    "m", "7", "m7", "M7", "6", "m6", "aug", "dim7", "sus4", "7sus4",
    "add9", "m7-5", "7+5", "7-5", "-5", "69", "7-9", "7+9", "7+11", "7+13",
    "9", "9-5", "-9", "-9+5", "M9", "aug9", "11", "13", "m69", "m9",
    "m11", "m13", "dim", "aug7", "augM7", "add2", "add4", "mM7"};

// After a leading 1 or 2.
constexpr std::array<std::string_view, 20> kSuffixList1 = {
    "m", "7", "m7", "M7", "6", "m6", "aug", "dim7", "sus4", "7sus4",
    "m7-5", "7+5", "7-5", "-5", "dim", "aug7", "augM7", "add2", "add4", "mM7"};

// After a leading 3.
constexpr std::array<std::string_view, 15> kSuffixList2 = {
    "7", "m7", "M7", "6", "m6", "dim7", "7sus4", "m7-5", "7+5", "7-5",
    "aug7", "augM7", "add2", "add4", "mM7"};

// The regular spellings of the two odd names of list B, accepted beside them.
constexpr std::array<std::string_view, 2> kFractionRegular = {"A#m/F", "A#m7/Ab"};

constexpr NameIndex<kFractionListA.size()> kIndexA{kFractionListA};
constexpr NameIndex<kFractionListB.size()> kIndexB{kFractionListB};
constexpr NameIndex<kFractionRegular.size()> kIndexRegular{kFractionRegular};
constexpr NameIndex<kSuffixList0.size()> kIndex0{kSuffixList0};
constexpr NameIndex<kSuffixList1.size()> kIndex1{kSuffixList1};
constexpr NameIndex<kSuffixList2.size()> kIndex2{kSuffixList2};
static_assert(kIndexA.well_formed() && kIndexB.well_formed() && kIndexRegular.well_formed());
static_assert(kIndex0.well_formed() && kIndex1.well_formed() && kIndex2.well_formed());

bool is_root_letter(char c) { return c >= 'A' && c <= 'G'; }

// Every fraction chord has its "/", so a name without one is looked up in
// the suffix lists alone.
template <std::size_t N>
constexpr bool all_have_slash(const std::array<std::string_view, N>& names) {
  for (std::string_view name : names)
    if (name.find('/') == std::string_view::npos) return false;
  return true;
}
static_assert(all_have_slash(kFractionListA) && all_have_slash(kFractionListB) &&
              all_have_slash(kFractionRegular));

}  // namespace

std::span<const std::string_view> suffix_list(int list) {
  switch (list) {
    case 0: return kSuffixList0;
    case 1: return kSuffixList1;
    default: return kSuffixList2;
  }
}

std::span<const std::string_view> fraction_list_a() { return kFractionListA; }
std::span<const std::string_view> fraction_list_b() { return kFractionListB; }

bool in_suffix_list(int list, std::string_view suffix) {
  switch (list) {
    case 0: return kIndex0.find(suffix).has_value();
    case 1: return kIndex1.find(suffix).has_value();
    default: return kIndex2.find(suffix).has_value();
  }
}

bool is_fraction_chord(std::string_view name) {
  if (name.find('/') == std::string_view::npos) return false;
  return kIndexA.find(name) || kIndexB.find(name) || kIndexRegular.find(name);
}

bool is_chord_name(std::string_view name) {
  // A leading 1 or 2 narrows the suffixes to list 1, a 3 to list 2.
  int list = 0;
  if (!name.empty() && (name[0] == '1' || name[0] == '2')) {
    list = 1;
    name.remove_prefix(1);
  } else if (!name.empty() && name[0] == '3') {
    list = 2;
    name.remove_prefix(1);
  }
  if (is_fraction_chord(name)) return true;
  if (name.empty() || !is_root_letter(name[0])) return false;
  name.remove_prefix(1);
  if (!name.empty() && (name[0] == '#' || name[0] == 'b')) name.remove_prefix(1);
  // A bare root is a major triad, whatever the digit.
  if (name.empty()) return true;
  return in_suffix_list(list, name);
}

}  // namespace scoretext::chord::older
