// Lookup tables derived once, at compile time, from the edge pairs and the
// corner table, so that the hot paths (face turns, piece search) only index.
#pragma once

#include <array>

#include "model/cube.h"

namespace rotalo::tables {

// The twelve edge pieces, each a pair of facelets.
inline constexpr std::array<std::array<Int16, 2>, 12> kEdgePairs{{
    {2, 18},
    {4, 26},
    {6, 34},
    {8, 10},
    {12, 40},
    {14, 46},
    {16, 20},
    {22, 44},
    {24, 28},
    {30, 42},
    {32, 36},
    {38, 48},
}};

// kCompanions[i][m] is Companion(i, m) for facelets 1..48 and m 0..2.
constexpr std::array<std::array<Int16, 3>, 49> MakeCompanions() {
  std::array<std::array<Int16, 3>, 49> table{};
  for (const auto& pair : kEdgePairs) {
    for (int m = 0; m < 3; ++m) {
      table[pair[0]][m] = pair[1];
      table[pair[1]][m] = pair[0];
    }
  }
  for (const auto& row : kCornerTable) {
    for (int c = 0; c < 3; ++c) {
      for (int m = 0; m < 3; ++m) {
        table[row[c]][m] = row[(c + m) % 3];
      }
    }
  }
  return table;
}

inline constexpr auto kCompanions = MakeCompanions();

// kTurnSource[face][t][i]: the facelet of the old position whose value lands
// on facelet i when face `face` turns t clockwise quarter turns. Built the way
// a turn is described: position j of the face goes 2t positions forward, and
// the other facelets of each piece on the face follow it round its corner or
// edge, so colours keep their twist.
using TurnSources = std::array<std::array<std::array<std::int8_t, 55>, 4>, 7>;

constexpr TurnSources MakeTurnSources() {
  TurnSources table{};
  for (int face = 1; face <= 6; ++face) {
    for (int t = 0; t < 4; ++t) {
      auto& source = table[face][t];
      for (int i = 0; i <= 54; ++i) {
        source[i] = static_cast<std::int8_t>(i);
      }
      const int base = 8 * (face - 1);
      for (int j = 1; j <= 8; ++j) {
        const int k = (j + 2 * t - 1) % 8 + 1;
        source[base + k] = static_cast<std::int8_t>(base + j);
        for (int m = 1; m <= 2; ++m) {
          const int to = kCompanions[base + k][m];
          const int from = kCompanions[base + j][m];
          source[to] = static_cast<std::int8_t>(from);
        }
      }
    }
  }
  return table;
}

inline constexpr TurnSources kTurnSource = MakeTurnSources();

// The same turns as the facelets they change: for each face and t the 20
// (destination, source) pairs where the source differs from the destination.
struct TurnMoves {
  int count = 0;
  std::array<std::array<std::int8_t, 2>, 20> moves{};
};

constexpr std::array<std::array<TurnMoves, 4>, 7> MakeTurnMoves() {
  std::array<std::array<TurnMoves, 4>, 7> table{};
  for (int face = 1; face <= 6; ++face) {
    for (int t = 0; t < 4; ++t) {
      TurnMoves& list = table[face][t];
      for (int i = 1; i <= 54; ++i) {
        if (kTurnSource[face][t][i] != i) {
          list.moves[list.count][0] = static_cast<std::int8_t>(i);
          list.moves[list.count][1] = kTurnSource[face][t][i];
          ++list.count;
        }
      }
    }
  }
  return table;
}

inline constexpr auto kTurnMoves = MakeTurnMoves();

}  // namespace rotalo::tables
