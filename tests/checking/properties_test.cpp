// Seeded random cubes by the thousand: scrambled, re-assembled wrongly and
// painted at random.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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
  for (int first = 0; first < 18; ++first) {
    for (int second = -1; second < 18; ++second) {
      std::string moves;
      AppendToken(moves, first / 3 + 1, first % 3 + 1);
      if (second >= 0) {
        AppendToken(moves, second / 3 + 1, second % 3 + 1);
      }
      scrambles.push_back(moves);
    }
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

// A real cube taken apart and put back: one corner turned (forward adds one
// to the twist total), one edge turned over, two edges exchanged. Each edge
// is listed from the facelet that decides its orientation (the one on face 1
// or 6, or for a middle edge on face 2 or 4), so that exchanging two edges
// first-to-first flips none of them.
constexpr int kEdges[12][2] = {{2, 18},  {4, 26},  {6, 34},  {8, 10},  {12, 40}, {46, 14},
                               {16, 20}, {44, 22}, {28, 24}, {42, 30}, {32, 36}, {48, 38}};

Vars Reassembled(std::mt19937& rng, int twist, bool flip, bool swap) {
  Vars vars = testing::TurnedVars(testing::RandomMoves(rng, 30));
  Buffer& cube = vars.current();
  std::uniform_int_distribution<std::size_t> corner(0, 7);
  std::uniform_int_distribution<std::size_t> edge(0, 11);
  const auto& row = kCornerTable[corner(rng)];
  for (int n = 0; n < twist; ++n) {
    std::swap(cube[row[2]], cube[row[1]]);
    std::swap(cube[row[1]], cube[row[0]]);
  }
  if (flip) {
    const auto& e = kEdges[edge(rng)];
    std::swap(cube[e[0]], cube[e[1]]);
  }
  if (swap) {
    const std::size_t a = edge(rng);
    const std::size_t b = (a + 1 + edge(rng) % 11) % 12;
    std::swap(cube[kEdges[a][0]], cube[kEdges[b][0]]);
    std::swap(cube[kEdges[a][1]], cube[kEdges[b][1]]);
  }
  return vars;
}

TEST(SolvingProperties, ReassembledCubesReportExactlyTheirFaultsAndOneRepairMendsThem) {
  std::mt19937 rng(4242);
  for (int kind = 0; kind < 12; ++kind) {
    const int twist = kind % 3;
    const int flip = kind / 3 % 2;
    const int swap = kind / 6;
    for (int n = 0; n < 300; ++n) {
      Vars vars = Reassembled(rng, twist, flip == 1, swap == 1);
      ASSERT_TRUE(SubmitEntry(vars).Accepted());
      const SolveReport report = SolveOrRepair(vars);
      ASSERT_EQ(report.runs.front(),
                (Faults{static_cast<Int16>(twist), static_cast<Int16>(swap), static_cast<Int16>(flip)}));
      ASSERT_EQ(report.runs.size(), kind == 0 ? 1u : 2u);
      ASSERT_TRUE(report.solved);
      ASSERT_TRUE(SolutionSolves(vars, vars.MoveString));
    }
  }
}

TEST(SolvingProperties, RandomPaintingsAreRejectedWithAMessageOrSolved) {
  std::mt19937 rng(99);
  int accepted = 0;
  int rejected = 0;
  std::uniform_int_distribution<int> code(0, 6);
  std::uniform_int_distribution<int> facelet(1, kFacelets);
  const auto check = [&](Vars vars) {
    bool wasAccepted = false;
    const std::string fault = testing::PaintingFault(vars, wasAccepted);
    ++(wasAccepted ? accepted : rejected);
    return fault;
  };
  for (int n = 0; n < 3000; ++n) {
    Vars any = testing::SolvedVars();  // any colours at all
    for (int i = 1; i <= kFacelets; ++i) {
      any.current()[i] = static_cast<Int16>(code(rng));
    }
    ASSERT_EQ(check(any), "");

    Vars shuffled = testing::SolvedVars();  // nine of each colour, centres left alone
    std::shuffle(shuffled.current().begin() + 1, shuffled.current().begin() + 49, rng);
    ASSERT_EQ(check(shuffled), "");

    Vars nearly = testing::TurnedVars(testing::RandomMoves(rng, 20));  // a few stickers exchanged
    for (int s = n % 4; s > 0; --s) {
      std::swap(nearly.current()[facelet(rng)], nearly.current()[facelet(rng)]);
    }
    ASSERT_EQ(check(nearly), "");
  }
  EXPECT_GT(accepted, 500);
  EXPECT_GT(rejected, 5000);
}

}  // namespace
}  // namespace rotalo
