#include "score/note_timing.h"

#include <optional>

#include "frontend/score_tables.h"
#include "vocal/sung_note.h"

namespace scoretext::score {
namespace {

using vocal::delay_divisor;
using vocal::staccato_number;

// "&01".."&200" as its number, or nothing.
std::optional<int> ampersand_number(std::string_view token) {
  if (token.size() < 2 || token[0] != '&') return std::nullopt;
  int n = 0;
  for (char c : token.substr(1)) n = n * 10 + (c - '0');
  return n;
}

std::vector<Piece> split_pieces(int code, std::int64_t f) {
  std::vector<Piece> pieces;
  std::int64_t at = 0;
  for (std::int64_t length : vocal::articulation_pieces(code, f)) {
    pieces.push_back({at, length});
    at += length;
  }
  return pieces;
}

}  // namespace

std::int64_t statement_ticks(std::string_view length, std::string_view bracket) {
  const std::int64_t ticks = length_ticks(length).value_or(0);
  return bracket.size() == 2 ? ticks / (bracket[1] - '0') : ticks;
}

std::vector<Piece> note_pieces(std::int64_t f, std::string_view articulation, int staccato_default, bool tied) {
  if (const std::optional<int> divisor = delay_divisor(articulation)) return {{f / *divisor, f - f / *divisor}};
  if (const std::optional<int> n = staccato_number(articulation)) return {{0, vocal::staccato_note(*n, f)}};
  if (const std::optional<int> code = ampersand_number(articulation); code && *code > 100)
    return split_pieces(*code + 1, f);
  if (staccato_default != 0 && !tied) return {{0, vocal::staccato_note(staccato_default, f)}};
  return {{0, f}};
}

std::int64_t continuation_ticks(std::int64_t f, std::string_view articulation) {
  if (const std::optional<int> n = staccato_number(articulation)) return vocal::staccato_note(*n, f);
  return f;
}

}  // namespace scoretext::score
