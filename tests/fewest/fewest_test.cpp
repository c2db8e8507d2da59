// The fewest-moves search: every solution, applied to its cube with the
// program's own face turns, must leave the cube solved.
#include "fewest/fewest.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <thread>

#include "checking/entry_check.h"
#include "checking/solving_run.h"
#include "fewest/cubie.h"
#include "model/moves.h"
#include "support/cubes.h"

namespace rotalo {
namespace {

// The solution is well formed (turn digits 1..3, no face twice running, a
// count that matches) and solves the cube.
::testing::AssertionResult Solves(const Buffer& cube, const FewestSolution& solution) {
  static const std::regex kTokens("([1-6][1-3] )*");
  bool repeated = false;
  for (int k = 2; k <= solution.count; ++k) {
    repeated |= TokenAt(solution.moves, k).face == TokenAt(solution.moves, k - 1).face;
  }
  if (!solution.Solved() || repeated || solution.moves.size() != 3 * static_cast<std::size_t>(solution.count) ||
      !std::regex_match(solution.moves, kTokens) || !IsSolved(testing::Applied(cube, solution.moves))) {
    return ::testing::AssertionFailure() << "fault " << static_cast<int>(solution.fault) << ", " << solution.count
                                         << " moves \"" << solution.moves << "\"";
  }
  return ::testing::AssertionSuccess();
}

// Stops at the first solution: the round trips need no more.
FewestOptions FirstSolution(int threads = 1) {
  FewestOptions options;
  options.timeBudget = std::chrono::microseconds(0);
  options.threads = threads;
  return options;
}

TEST(SolveFewest, ThousandsOfRandomPositionsAreSolvedInAtMost21MovesOnOneThreadOrTwo) {
  std::mt19937 rng(20260514);
  for (int n = 0; n < 2000; ++n) {
    const Buffer cube = fewest::ToFacelets(fewest::RandomCubies(rng));
    const FewestSolution solution = SolveFewest(cube, FirstSolution(1 + n % 2));
    ASSERT_TRUE(Solves(cube, solution)) << n;
    ASSERT_LE(solution.count, 21) << n;
  }
}

// Counted in nodes, the budget makes one thread's answer a matter of the
// cube alone, and a larger budget only goes on where the smaller stopped.
// Two threads sharing their best length answer as well.
TEST(SolveFewest, ANodeBudgetGivesTheSameAnswerEachTimeAndALargerOneNoLonger) {
  std::mt19937 rng(515);
  FewestOptions small;
  small.nodeBudget = 2000;
  FewestOptions large = small;
  large.nodeBudget = 40000;
  FewestOptions both = large;
  both.threads = 2;
  for (int n = 0; n < 40; ++n) {
    const Buffer cube = fewest::ToFacelets(fewest::RandomCubies(rng));
    const FewestSolution first = SolveFewest(cube, small);
    ASSERT_TRUE(Solves(cube, first)) << n;
    EXPECT_EQ(SolveFewest(cube, small).moves, first.moves) << n;
    const FewestSolution longer = SolveFewest(cube, large);
    ASSERT_TRUE(Solves(cube, longer)) << n;
    EXPECT_LE(longer.count, first.count) << n;
    const FewestSolution shared = SolveFewest(cube, both);
    ASSERT_TRUE(Solves(cube, shared)) << n;
    EXPECT_LE(shared.count, 21) << n;
  }
}

// More threads than different looks at the cube, and one for each core.
TEST(SolveFewest, SolvesWithMoreThreadsThanLooksOrOneForEachCore) {
  const Vars pattern = testing::TurnedVars("12 62 52 32 22 42 ");  // the same from every side
  FewestOptions many = FirstSolution(8);
  const FewestSolution solution = SolveFewest(pattern.current(), many);
  EXPECT_TRUE(Solves(pattern.current(), solution));
  EXPECT_LE(solution.count, 6);
  std::mt19937 rng(11);
  for (int n = 0; n < 50; ++n) {
    const Buffer cube = fewest::ToFacelets(fewest::RandomCubies(rng));
    ASSERT_TRUE(Solves(cube, SolveFewest(cube, FirstSolution(n % 2 == 0 ? 0 : 6)))) << n;
  }
}

TEST(SolveFewest, ReachesTwentyMovesWhenAskedTo) {
  std::mt19937 rng(7);
  FewestOptions options;
  options.targetLength = 20;
  options.timeBudget = std::chrono::seconds(60);
  for (int n = 0; n < 10; ++n) {
    const Buffer cube = fewest::ToFacelets(fewest::RandomCubies(rng));
    const FewestSolution solution = SolveFewest(cube, options);
    ASSERT_TRUE(Solves(cube, solution)) << n;
    EXPECT_LE(solution.count, 20) << n;
  }
}

TEST(SolveFewest, AFewTurnsFromSolvedAreUndoneInNoMoreTurns) {
  std::mt19937 rng(3);
  FewestOptions options;
  options.timeBudget = std::chrono::seconds(60);  // the search knows before that it has the shortest
  for (int n = 0; n < 200; ++n) {
    const int turns = 1 + n % 7;
    const Vars scrambled = testing::TurnedVars(testing::RandomMoves(rng, turns));
    const FewestSolution solution = SolveFewest(scrambled.current(), options);
    ASSERT_TRUE(Solves(scrambled.current(), solution)) << n;
    ASSERT_LE(solution.count, turns) << n;
  }
}

TEST(SolveFewest, SolvesSymmetricPatterns) {
  // Every edge flipped in its place, and the checkerboard of six half turns:
  // each looks the same from several sides.
  const std::pair<const char*, int> patterns[] = {
      {"11 42 51 31 41 32 41 12 21 32 41 13 63 42 51 43 21 32 12 52 ", 21},
      {"12 62 52 32 22 42 ", 6},
  };
  for (const auto& [moves, most] : patterns) {
    const Vars pattern = testing::TurnedVars(moves);
    const FewestSolution solution = SolveFewest(pattern.current());
    EXPECT_TRUE(Solves(pattern.current(), solution)) << moves;
    EXPECT_LE(solution.count, most) << moves;
  }
}

// Cubes no turns can solve, and the solved cube: how the pieces are read and
// what the search answers, with no moves.
TEST(SolveFewest, TheSolvedCubeNeedsNoMovesAndACubeNoTurnsCanSolveComesBackWithItsFault) {
  using fewest::CubieFault;
  const struct {
    const char* name;
    std::vector<std::pair<int, int>> exchanged;  // stickers of the solved cube
    std::vector<std::pair<int, int>> painted;    // facelets given another colour code
    CubieFault read;
    FewestFault fault;
  } cases[] = {
      {"solved", {}, {}, CubieFault::None, FewestFault::None},
      {"corner 5/25/35 turned", {{5, 25}, {5, 35}}, {}, CubieFault::Twist, FewestFault::Twist},
      {"corner 1/9/19 turned", {{1, 9}, {1, 19}}, {}, CubieFault::Twist, FewestFault::Twist},
      {"edge 6/34 flipped", {{6, 34}}, {}, CubieFault::Flip, FewestFault::Flip},
      {"edge 38/48 flipped", {{38, 48}}, {}, CubieFault::Flip, FewestFault::Flip},
      {"edges 2/18 and 4/26 exchanged", {{2, 4}, {18, 26}}, {}, CubieFault::Parity, FewestFault::Parity},
      {"edges 42/30 and 44/22 exchanged", {{42, 44}, {30, 22}}, {}, CubieFault::Parity, FewestFault::Parity},
      {"corner colours mirrored", {{25, 35}}, {}, CubieFault::Pieces, FewestFault::Pieces},
      {"ten stickers of face 2", {}, {{26, 2}}, CubieFault::Pieces, FewestFault::Pieces},
      {"one sticker uncoloured", {}, {{1, 0}}, CubieFault::Pieces, FewestFault::Pieces},
      {"two centres exchanged", {{49, 50}}, {}, CubieFault::Pieces, FewestFault::Pieces},
  };
  for (const auto& c : cases) {
    const Buffer cube = testing::Altered(testing::SolvedVars(), c.exchanged, c.painted).current();
    fewest::CubieCube read;
    EXPECT_EQ(fewest::ReadCubies(cube, read), c.read) << c.name;
    EXPECT_TRUE(c.read != CubieFault::None || read == fewest::CubieCube{}) << c.name;
    const FewestSolution solution = SolveFewest(cube);
    EXPECT_TRUE(solution.fault == c.fault && solution.Solved() == (c.fault == FewestFault::None)) << c.name;
    EXPECT_TRUE(solution.moves.empty() && solution.count == 0) << c.name;
  }
}

TEST(SolveFewest, SolvesTheRepairedCubeOfEveryReassembly) {
  std::mt19937 rng(1411);
  for (int n = 0; n < 12 * 40; ++n) {  // the twelve kinds in turn
    Vars vars = testing::Reassembled(rng, n % 3, n / 3 % 2 == 1, n / 6 % 2 == 1);
    ASSERT_TRUE(SubmitEntry(vars).Accepted());
    ASSERT_TRUE(SolveOrRepair(vars).solved);
    const Buffer start = vars.current();
    ASSERT_TRUE(Solves(start, SolveFewest(start, FirstSolution(1 + n / 12 % 2)))) << n;
  }
}

TEST(FewestTables, AreBuiltOnceInTheBackgroundAndServeEveryThread) {
  std::thread building(EnsureFewestTables);
  std::mt19937 rng(99);
  const Buffer a = fewest::ToFacelets(fewest::RandomCubies(rng));
  const Buffer b = fewest::ToFacelets(fewest::RandomCubies(rng));
  FewestSolution forA;
  FewestSolution forB;
  std::thread first([&] { forA = SolveFewest(a, FirstSolution()); });
  std::thread second([&] { forB = SolveFewest(b, FirstSolution()); });
  first.join();
  second.join();
  building.join();
  EXPECT_TRUE(Solves(a, forA));
  EXPECT_TRUE(Solves(b, forB));
  EXPECT_LE(FewestTableBytes(), std::size_t{64} << 20);
}

}  // namespace
}  // namespace rotalo
