#include "playback/simplify.h"

#include <gtest/gtest.h>

#include "support/cubes.h"

namespace rotalo {
namespace {

using testing::Moves;

std::string Simplify(std::string_view spaced) {
  return std::string(TrimmedMoves(SimplifySolution(Moves(spaced)).SolutionText));
}

TEST(SimplifySolution, DropsTurnsOfNothingAndMergesNeighbouringTurnsOfOneFaceButNeverAcrossAMarker) {
  EXPECT_EQ(Simplify("10 20 AA 30 BB 60"), "AA BB");
  EXPECT_EQ(Simplify("11 11 21 AA BB"), "12 21 AA BB");
  EXPECT_EQ(Simplify("11 13 21 AA BB"), "21 AA BB");
  EXPECT_EQ(Simplify("11 11 11 21 AA BB"), "13 21 AA BB");  // in the second pass
  EXPECT_EQ(Simplify("21 AA BB 61 61"), "21 AA BB 62");
  EXPECT_EQ(Simplify("21 23 31 AA 41 43 BB 51 51 52"), "31 AA BB");
  EXPECT_EQ(Simplify("12 21 23 12 AA BB"), "AA BB");  // turns that meet after a cancellation
  EXPECT_EQ(Simplify("31 11 AA 11 BB 13 21"), "31 11 AA 11 BB 13 21");
}

TEST(SimplifySolution, LeavesThreeTokensOrFewerAlone) {
  EXPECT_EQ(Simplify("AA BB 11"), "AA BB 11");
  EXPECT_EQ(Simplify("11 13 AA"), "11 13 AA");
  // Turns of nothing are dropped first, which can bring a string down to
  // three tokens before any merging.
  EXPECT_EQ(Simplify("60 11 13 AA"), "11 13 AA");
  EXPECT_EQ(SimplifySolution("").SolutionText, "");
}

TEST(SimplifyMoveString, LeavesTheShortenedSolutionAndItsTokensMarkersIncluded) {
  Vars vars;
  vars.MoveString = Moves("11 11 20 21 AA BB 60");
  const Simplified s = SimplifyMoveString(vars);
  EXPECT_TRUE(vars.MoveString == Moves("12 21 AA BB") && s.SolutionText == vars.MoveString && s.MoveCount == 4);
}

}  // namespace
}  // namespace rotalo
