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

TEST(SolveTopEdges, RecordsNothingWhenTheTopEdgesAreHome) {
  // A bottom turn and a middle-layer edge taken out keep the top edges home.
  Vars vars = TurnedVars(Moves("61 21 61 23"));
  SolveTopEdges(vars);
  EXPECT_EQ(vars.MoveString, "");
}

TEST(SolveTopEdges, EdgeLiftedIntoTheMiddleLayerNeedsThreeTokens) {
  // A clockwise quarter turn of face 2 leaves the edge of facelet 8 with its
  // top colour at facelet 40: two top turns that reduce to 0, one side turn.
  Vars vars = TurnedVars(Moves("21"));
  SolveTopEdges(vars);
  EXPECT_EQ(vars.MoveString, Moves("10 23 10"));
  EXPECT_TRUE(IsSolved(vars.current()));
}

TEST(SolveTopEdges, EdgeFacingDownIsLiftedByAHalfTurn) {
  Vars vars = TurnedVars(Moves("22"));
  SolveTopEdges(vars);
  EXPECT_EQ(vars.MoveString, Moves("60 22"));
  EXPECT_TRUE(IsSolved(vars.current()));
}

TEST(SolveTopEdges, FlippedEdgeInItsPlaceCostsFourTokens) {
  Vars vars = TurnedVars("");
  std::swap(vars.current()[2], vars.current()[18]);
  SolveTopEdges(vars);
  EXPECT_EQ(vars.MoveString, Moves("31 13 21 11"));
  EXPECT_EQ(Locate(vars, 2), 2);
}

TEST(SolveTopEdges, PlacesAllFourTopEdgesOfRandomCubes) {
  std::mt19937 rng(101);
  for (int n = 0; n < 2000; ++n) {
    Vars vars = TurnedVars(testing::RandomMoves(rng, 30));
    SolveTopEdges(vars);
    for (int i = 2; i <= 8; i += 2) {
      ASSERT_EQ(Locate(vars, i), i);
    }
    ASSERT_LE(TokenCount(vars.MoveString), 16);
    // The top face turns only in pairs that cancel.
    int topTurns = 0;
    for (int k = 1; k <= TokenCount(vars.MoveString); ++k) {
      const Token token = TokenAt(vars.MoveString, k);
      topTurns += token.face == 1 ? token.turn : 0;
    }
    ASSERT_EQ(topTurns % 4, 0);
  }
}

TEST(SolveTopCorners, RecordsNothingWhenTheTopLayerIsComplete) {
  Vars vars = TurnedVars(Moves("63"));
  SolveTopCorners(vars);
  EXPECT_EQ(vars.MoveString, "");
}

TEST(SolveTopCorners, WorkedCornerCases) {
  struct Case {
    const char* scramble;
    const char* expected;
    bool solvesTheCube;  // or only completes the top layer
  };
  const Case cases[] = {
      {"33 63 31", "61 41 61 43", false},  // top colour at 37, on face 5
      {"33 61 31", "60 33 63 31", true},   // top colour at 23, on face 3: the scramble undone
      {"33 62 31", "62 41 61 43", false},  // corner at 13, on face 2
  };
  for (const Case& c : cases) {
    Vars vars = TurnedVars(Moves(c.scramble));
    SolveTopEdges(vars);
    EXPECT_EQ(vars.MoveString, "") << c.scramble;
    SolveTopCorners(vars);
    EXPECT_EQ(vars.MoveString, Moves(c.expected)) << c.scramble;
    for (int i = 1; i <= 8; ++i) {
      EXPECT_EQ(Locate(vars, i), i) << c.scramble;
    }
    // The insertion brings the corner home through face 4, so the bottom
    // layer is left turned about in the first and last cases.
    EXPECT_EQ(IsSolved(vars.current()), c.solvesTheCube) << c.scramble;
  }
}

TEST(SolveTopCorners, TwistedCornerInItsPlaceIsTakenOutAndPutBack) {
  for (int twist = 1; twist <= 2; ++twist) {
    Vars vars = TurnedVars("");
    Buffer& cube = vars.current();
    for (int n = 0; n < twist; ++n) {
      const Int16 first = cube[1];
      cube[1] = cube[9];
      cube[9] = cube[19];
      cube[19] = first;
    }
    SolveTopCorners(vars);
    EXPECT_EQ(TokenCount(vars.MoveString), 7) << twist;
    for (int i = 1; i <= 8; ++i) {
      EXPECT_EQ(Locate(vars, i), i) << twist;
    }
  }
}

TEST(SolveTopCorners, CompletesTheTopLayerOfRandomCubes) {
  std::mt19937 rng(202);
  for (int n = 0; n < 2000; ++n) {
    Vars vars = TurnedVars(testing::RandomMoves(rng, 30));
    SolveTopEdges(vars);
    const int before = TokenCount(vars.MoveString);
    SolveTopCorners(vars);
    for (int i = 1; i <= 8; ++i) {
      ASSERT_EQ(Locate(vars, i), i);
    }
    ASSERT_LE(TokenCount(vars.MoveString) - before, 28);
  }
}

}  // namespace
}  // namespace rotalo
