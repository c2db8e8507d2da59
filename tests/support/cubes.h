// Helpers shared by the tests: cubes made by turning the solved cube.
#pragma once

#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/cube.h"
#include "model/moves.h"
#include "model/palette.h"

namespace rotalo::testing {

// The solved cube in home-face form in buffer 0 and current, with the six
// default colours chosen and recording on.
inline Vars SolvedVars() {
  Vars vars;
  FillCornerTable(vars);
  ChooseColours(vars, {0, 1, 2, 3, 4, 5});
  FillSolved(vars, 0);
  vars.RecordMoves = 1;
  return vars;
}

// A cube whose every facelet carries its own number, so that a turn shows
// where each one went. Not a real cube: for following facelets only.
inline Vars NumberedVars() {
  Vars vars;
  for (int i = 1; i <= kFacelets; ++i) {
    vars.Facelet[0][i] = static_cast<Int16>(i);
  }
  return vars;
}

// The solved cube turned by `moves` (tokens "FT "), not recorded, copied into
// buffer 0 and made current there, with MoveString empty.
inline Vars TurnedVars(std::string_view moves) {
  Vars vars = SolvedVars();
  vars.RecordMoves = 0;
  ApplyMoveString(vars, moves);
  CopyBuffer(vars, vars.CurBuffer, 0);
  vars.CurBuffer = 0;
  vars.RecordMoves = 1;
  return vars;
}

// `vars` with the stickers of each pair in `exchanged` swapped, in order, and
// then each facelet of `painted` given the colour code beside it.
inline Vars Altered(Vars vars, const std::vector<std::pair<int, int>>& exchanged,
                    const std::vector<std::pair<int, int>>& painted = {}) {
  for (const auto& [a, b] : exchanged) {
    std::swap(vars.current()[a], vars.current()[b]);
  }
  for (const auto& [facelet, code] : painted) {
    vars.current()[facelet] = static_cast<Int16>(code);
  }
  return vars;
}

// `cube` turned by `moves` (tokens "FT ", markers skipped), the turns not
// recorded.
inline Buffer Applied(const Buffer& cube, std::string_view moves) {
  Vars vars;
  vars.Facelet[0] = cube;
  ApplyMoveString(vars, moves);
  return vars.current();
}

// `count` random quarter or half turns as a move string.
inline std::string RandomMoves(std::mt19937& rng, int count) {
  std::uniform_int_distribution<int> face(1, 6);
  std::uniform_int_distribution<int> turn(1, 3);
  std::string moves;
  for (int n = 0; n < count; ++n) {
    AppendToken(moves, face(rng), turn(rng));
  }
  return moves;
}

// A real cube taken apart and put back: the solved cube turned by 30 random
// moves, then one corner turned `twist` times in place (each colour on to the
// next facelet round it, which adds one to the twist total), one edge turned
// over if `flip`, two edges exchanged if `exchange`. Each edge is listed from
// the facelet that decides its orientation (the one on face 1 or 6, or for a
// middle edge on face 2 or 4), so exchanging two first-to-first flips neither.
inline Vars Reassembled(std::mt19937& rng, int twist, bool flip, bool exchange) {
  static constexpr int kEdges[12][2] = {{2, 18},  {4, 26},  {6, 34},  {8, 10},  {12, 40}, {46, 14},
                                        {16, 20}, {44, 22}, {28, 24}, {42, 30}, {32, 36}, {48, 38}};
  std::uniform_int_distribution<std::size_t> corner(0, 7), edge(0, 11);
  Vars vars = TurnedVars(RandomMoves(rng, 30));
  Buffer& cube = vars.current();
  const auto& row = kCornerTable[corner(rng)];
  for (int k = 0; k < twist; ++k) {
    std::swap(cube[row[2]], cube[row[1]]);
    std::swap(cube[row[1]], cube[row[0]]);
  }
  const std::size_t a = edge(rng), b = (a + 1 + edge(rng) % 11) % 12;
  std::swap(cube[kEdges[a][0]], cube[kEdges[a][flip ? 1 : 0]]);
  for (int m = 0; exchange && m < 2; ++m) {
    std::swap(cube[kEdges[a][m]], cube[kEdges[b][m]]);
  }
  return vars;
}

// A move string written with single spaces between tokens, as people write
// it ("21 43 AA"), turned into the program's form with a space after each.
inline std::string Moves(std::string_view spaced) {
  return spaced.empty() ? "" : std::string(spaced) + " ";
}

}  // namespace rotalo::testing
