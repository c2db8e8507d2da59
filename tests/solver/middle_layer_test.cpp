#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "model/moves.h"
#include "solver/stages.h"
#include "support/cubes.h"

namespace rotalo {
namespace {

using testing::Moves;
using testing::TurnedVars;

bool FirstTwoLayersSolved(const Vars& vars) {
  for (int i = 1; i <= 8; ++i) {
    if (Locate(vars, i) != i) {
      return false;
    }
  }
  for (int k = 2; k <= 5; ++k) {
    if (Locate(vars, 8 * k) != 8 * k) {
      return false;
    }
  }
  return true;
}

TEST(SolveMiddleLayer, RecordsNothingWhenTheFirstTwoLayersAreSolved) {
  // The bottom layer scrambled by a bottom turn and an edge three-cycle.
  Vars vars = TurnedVars(Moves("61 43 21 31 41 23 62 43 21 31 41 23"));
  ASSERT_TRUE(FirstTwoLayersSolved(vars));
  SolveMiddleLayer(vars);
  EXPECT_EQ(vars.MoveString, "");
}

TEST(SolveMiddleLayer, InsertsAnEdgeFromTheBottomLayer) {
  Vars vars = TurnedVars(Moves("31 61 33 63 23 63 21"));
  SolveTopEdges(vars);
  SolveTopCorners(vars);
  EXPECT_EQ(vars.MoveString, "");
  SolveMiddleLayer(vars);
  EXPECT_EQ(vars.MoveString, Moves("60 23 61 21 61 31 63 33"));
  EXPECT_TRUE(FirstTwoLayersSolved(vars));
}

TEST(SolveMiddleLayer, FlippedEdgeInItsSlotIsTakenOutAndPutBack) {
  Vars vars = TurnedVars("");
  std::swap(vars.current()[16], vars.current()[20]);  // the 2/3 edge, flipped
  SolveMiddleLayer(vars);
  EXPECT_EQ(TokenCount(vars.MoveString), 15);
  EXPECT_TRUE(FirstTwoLayersSolved(vars));
}

TEST(SolveMiddleLayer, SolvesTheMiddleLayerOfRandomCubesKeepingTheTop) {
  std::mt19937 rng(303);
  for (int n = 0; n < 2000; ++n) {
    Vars vars = TurnedVars(testing::RandomMoves(rng, 30));
    SolveTopEdges(vars);
    SolveTopCorners(vars);
    const int before = TokenCount(vars.MoveString);
    SolveMiddleLayer(vars);
    ASSERT_TRUE(FirstTwoLayersSolved(vars));
    ASSERT_LE(TokenCount(vars.MoveString) - before, 60);
  }
}

TEST(SolveMiddleLayer, EndsOnCubesThatAreNotRealCubes) {
  // Middle edges painted with the bottom colour can never be inserted.
  Vars vars = TurnedVars("");
  for (int k = 2; k <= 5; ++k) {
    vars.current()[8 * k] = 6;
  }
  SolveMiddleLayer(vars);
  EXPECT_EQ(vars.MoveString, "");  // nothing to insert and nothing to take out

  // Two slots holding the same edge: it is inserted, taken out and inserted
  // again until the bound on sweeps stops the stage.
  Vars twice = TurnedVars("");
  twice.current()[24] = 2;
  twice.current()[28] = 3;
  twice.current()[16] = 6;
  SolveMiddleLayer(twice);
  EXPECT_LT(TokenCount(twice.MoveString), 64 * 40);
}

}  // namespace
}  // namespace rotalo
