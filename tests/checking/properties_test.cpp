// Seeded random cubes by the thousand: scrambled, re-assembled wrongly and
// painted at random.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "support/cubes.h"
#include "support/painting.h"

namespace rotalo {
namespace {

using testing::SolutionSolves;

// Every scramble of one and two moves, then ten thousand longer ones.
TEST(SolvingProperties, ScramblesAreSolvedWithoutAFault) {
  std::vector<std::string> scrambles;
  for (int code = 0; code < 18 * 19; ++code) {  // a turn, then none or a second turn
    std::string moves;
    AppendToken(moves, code / 57 + 1, code / 19 % 3 + 1);
    if (code % 19 > 0) {
      AppendToken(moves, (code % 19 - 1) / 3 + 1, (code % 19 - 1) % 3 + 1);
    }
    scrambles.push_back(moves);
  }
  std::mt19937 rng(20261206);
  std::uniform_int_distribution<int> length(1, 40);
  for (int n = 0; n < 10000; ++n) {
    scrambles.push_back(testing::RandomMoves(rng, length(rng)));
  }
  for (const std::string& moves : scrambles) {
    Vars vars = testing::TurnedVars(moves);
    ASSERT_TRUE(SubmitEntry(vars).Accepted()) << moves;
    const SolveReport report = SolveOrRepair(vars);
    ASSERT_TRUE(report.solved && report.runs.size() == 1) << moves;
    ASSERT_TRUE(SolutionSolves(vars, vars.MoveString)) << moves;
    // The top layer takes at most 44 tokens, turning the top face only in
    // pairs that cancel; the middle layer at most 60.
    const std::size_t aa = vars.MoveString.find("AA ");
    const std::size_t bb = vars.MoveString.find("BB ");
    ASSERT_TRUE(aa <= 3 * 44 && bb - aa <= 3 * 61) << moves;
    int topTurns = 0;
    for (int k = 1; k <= TokenCount(vars.MoveString.substr(0, aa)); ++k) {
      topTurns += TokenAt(vars.MoveString, k).face == 1 ? TokenAt(vars.MoveString, k).turn : 0;
    }
    ASSERT_EQ(topTurns % 4, 0) << moves;
    // Markers stay, and no turn of nothing or of the same face twice remains.
    const Simplified solution = SimplifySolution(vars.MoveString);
    ASSERT_NE(solution.SolutionText.find("AA "), std::string::npos);
    ASSERT_NE(solution.SolutionText.find("BB "), std::string::npos);
    for (int k = 1; k <= solution.MoveCount; ++k) {
      const Token token = TokenAt(solution.SolutionText, k);
      ASSERT_TRUE(token.IsMarker() || (token.turn != 0 && TokenAt(solution.SolutionText, k + 1).face != token.face))
          << moves;
    }
  }
}

TEST(SolvingProperties, ReassembledCubesReportExactlyTheirFaultsAndOneRepairMendsThem) {
  std::mt19937 rng(4242);
  for (int n = 0; n < 12 * 300; ++n) {  // the twelve kinds in turn
    const int twist = n % 3, flip = n / 3 % 2, exchange = n / 6 % 2;
    Vars vars = testing::Reassembled(rng, twist, flip == 1, exchange == 1);
    ASSERT_TRUE(SubmitEntry(vars).Accepted());
    const SolveReport report = SolveOrRepair(vars);
    ASSERT_EQ(report.runs.front(),
              (Faults{static_cast<Int16>(twist), static_cast<Int16>(exchange), static_cast<Int16>(flip)}));
    ASSERT_TRUE(report.solved && report.runs.size() == (n % 12 == 0 ? 1u : 2u));
    ASSERT_TRUE(SolutionSolves(vars, vars.MoveString));
  }
}

TEST(SolvingProperties, RandomPaintingsAreRejectedWithAMessageOrSolved) {
  std::mt19937 rng(99);
  int accepted = 0;
  int rejected = 0;
  std::uniform_int_distribution<int> code(0, 6);
  std::uniform_int_distribution<int> facelet(1, kFacelets);
  for (int n = 0; n < 9000; ++n) {
    // Any colours at all, nine of each colour shuffled round the centres, or
    // a real cube with a few stickers exchanged.
    Vars vars = n % 3 == 2 ? testing::TurnedVars(testing::RandomMoves(rng, 20)) : testing::SolvedVars();
    for (int i = 1; i <= kFacelets && n % 3 == 0; ++i) {
      vars.current()[i] = static_cast<Int16>(code(rng));
    }
    if (n % 3 == 1) {
      std::shuffle(vars.current().begin() + 1, vars.current().begin() + 49, rng);
    }
    for (int s = n % 3 == 2 ? n / 3 % 4 : 0; s > 0; --s) {
      std::swap(vars.current()[facelet(rng)], vars.current()[facelet(rng)]);
    }
    bool wasAccepted = false;
    ASSERT_EQ(testing::PaintingFault(vars, wasAccepted), "") << n;
    ++(wasAccepted ? accepted : rejected);
  }
  EXPECT_GT(accepted, 500);
  EXPECT_GT(rejected, 5000);
}

}  // namespace
}  // namespace rotalo
