#include "playback/simplify.h"

#include <gtest/gtest.h>

#include "support/cubes.h"

namespace rotalo {
namespace {

using testing::Moves;

std::string Simplify(std::string_view spaced) {
  return std::string(TrimmedMoves(SimplifySolution(Moves(spaced)).SolutionText));
}

TEST(SimplifySolution, DropsTurnsOfNothingButKeepsTheMarkers) {
  const Simplified s = SimplifySolution(Moves("10 20 AA 30 BB 60"));
  EXPECT_EQ(s.SolutionText, "AA BB ");
  EXPECT_EQ(s.MoveCount, 2);
}

TEST(SimplifySolution, MergesNeighbouringTurnsOfOneFace) {
  EXPECT_EQ(Simplify("11 11 21 AA BB"), "12 21 AA BB");
  EXPECT_EQ(Simplify("11 13 21 AA BB"), "21 AA BB");
  EXPECT_EQ(Simplify("11 11 11 21 AA BB"), "13 21 AA BB");  // in the second pass
  EXPECT_EQ(Simplify("21 AA BB 61 61"), "21 AA BB 62");
  EXPECT_EQ(Simplify("21 23 31 AA 41 43 BB 51 51 52"), "31 AA BB");
  EXPECT_EQ(Simplify("12 21 23 12 AA BB"), "AA BB");  // turns that meet after a cancellation
}

TEST(SimplifyMoveString, LeavesTheShortenedSolutionInTheMoveString) {
  Vars vars;
  vars.MoveString = Moves("11 11 20 21 AA BB 60");
  const Simplified s = SimplifyMoveString(vars);
  EXPECT_EQ(vars.MoveString, Moves("12 21 AA BB"));
  EXPECT_EQ(vars.MoveString, s.SolutionText);
  EXPECT_EQ(s.MoveCount, 4);
}

TEST(SimplifySolution, NeverMergesAcrossAMarker) {
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

TEST(SimplifySolution, ShortensTheRecordedScrambleSolutionToNinetySixMoves) {
  const std::string recorded = Moves(
      "10 31 10 60 53 41 51 10 53 10 10 23 10 61 43 61 41 51 62 53 63 53 63 51 AA 60 43 61 41 61 51 63 53 63 21 "
      "63 23 63 53 61 51 BB 23 63 21 31 61 33 23 61 21 60 62 23 62 21 61 23 61 21 33 51 21 31 53 62 33 51 21 31 53 "
      "53 31 43 51 33 62 53 31 43 51 33 43 21 31 41 23 63 43 21 33 41 23 63 43 21 32 41 23 33 51 21 31 53 62 33 51 "
      "21 31 53");
  const Simplified s = SimplifySolution(recorded);
  EXPECT_EQ(s.SolutionText,
            Moves("31 53 41 23 61 43 61 41 51 62 53 63 53 63 51 AA 43 61 41 61 51 63 53 63 21 63 23 63 53 61 51 BB "
                  "23 63 21 31 61 33 23 61 21 62 23 62 21 61 23 61 21 33 51 21 31 53 62 33 51 21 31 52 31 43 51 33 "
                  "62 53 31 43 51 33 43 21 31 41 23 63 43 21 33 41 23 63 43 21 32 41 23 33 51 21 31 53 62 33 51 21 "
                  "31 53"));
  EXPECT_EQ(s.MoveCount - 2, 96);
}

}  // namespace
}  // namespace rotalo
