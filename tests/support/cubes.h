// Helpers shared by the tests: cubes made by turning the solved cube.
#pragma once

#include <random>
#include <string>
#include <string_view>

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

// A move string written with single spaces between tokens, as people write
// it ("21 43 AA"), turned into the program's form with a space after each.
inline std::string Moves(std::string_view spaced) {
  return spaced.empty() ? "" : std::string(spaced) + " ";
}

}  // namespace rotalo::testing
