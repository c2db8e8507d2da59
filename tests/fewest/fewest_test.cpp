// The fewest-moves search: every solution, applied to its cube with the
// program's own face turns, must leave the cube solved.
#include "fewest/fewest.h"

#include <gtest/gtest.h>

#include <random>
#include <thread>

#include "checking/entry_check.h"
#include "checking/solving_run.h"
#include "fewest/cubie.h"
#include "model/moves.h"
#include "support/cubes.h"

namespace rotalo {
namespace {

// The solution is well formed (turn digits 1..3, no face twice running) and
// solves the cube.
::testing::AssertionResult Solves(const Buffer& cube, const FewestSolution& solution) {
  if (!solution.Solved()) {
    return ::testing::AssertionFailure() << "fault " << static_cast<int>(solution.fault);
  }
  if (solution.moves.size() != 3 * static_cast<std::size_t>(solution.count)) {
    return ::testing::AssertionFailure() << "count " << solution.count << " for \"" << solution.moves << "\"";
  }
  for (int k = 1; k <= solution.count; ++k) {
    const Token token = TokenAt(solution.moves, k);
    const bool repeated = k > 1 && TokenAt(solution.moves, k - 1).face == token.face;
    if (token.face < 1 || token.face > 6 || token.turn < 1 || token.turn > 3 || repeated ||
        solution.moves[static_cast<std::size_t>(3 * k - 1)] != ' ') {
      return ::testing::AssertionFailure() << "token " << k << " of \"" << solution.moves << "\"";
    }
  }
  Vars vars;
  vars.Facelet[0] = cube;
  ApplyMoveString(vars, solution.moves);
  if (!IsSolved(vars.current())) {
    return ::testing::AssertionFailure() << "\"" << solution.moves << "\" leaves the cube unsolved";
  }
  return ::testing::AssertionSuccess();
}

// Stops at the first solution: the round trips need no more.
FewestOptions FirstSolution() {
  FewestOptions options;
  options.timeBudget = std::chrono::microseconds(0);
  return options;
}

TEST(SolveFewest, ThousandsOfRandomPositionsAreSolvedInAtMost21Moves) {
  std::mt19937 rng(20260514);
  for (int n = 0; n < 2000; ++n) {
    const Buffer cube = fewest::ToFacelets(fewest::RandomCubies(rng));
    const FewestSolution solution = SolveFewest(cube, FirstSolution());
    ASSERT_TRUE(Solves(cube, solution)) << n;
    ASSERT_LE(solution.count, 21) << n;
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
  const FewestSolution one = SolveFewest(testing::TurnedVars("43 ").current(), options);
  EXPECT_EQ(one.moves, "41 ");
  EXPECT_EQ(one.count, 1);
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

TEST(SolveFewest, TheSolvedCubeNeedsNoMoves) {
  const FewestSolution solution = SolveFewest(testing::SolvedVars().current());
  EXPECT_TRUE(solution.Solved());
  EXPECT_EQ(solution.moves, "");
  EXPECT_EQ(solution.count, 0);
}

TEST(SolveFewest, ACubeNoTurnsCanSolveComesBackWithItsFault) {
  const Buffer solved = testing::SolvedVars().current();
  Buffer twisted = solved;
  std::swap(twisted[1], twisted[9]);
  std::swap(twisted[1], twisted[19]);
  Buffer flipped = solved;
  std::swap(flipped[38], flipped[48]);
  Buffer swapped = solved;
  std::swap(swapped[42], swapped[44]);
  std::swap(swapped[30], swapped[22]);
  Buffer painted = solved;
  painted[1] = 0;
  const std::pair<Buffer, FewestFault> cases[] = {
      {twisted, FewestFault::Twist},
      {flipped, FewestFault::Flip},
      {swapped, FewestFault::Parity},
      {painted, FewestFault::Pieces},
  };
  for (const auto& [cube, fault] : cases) {
    const FewestSolution solution = SolveFewest(cube);
    EXPECT_EQ(solution.fault, fault);
    EXPECT_FALSE(solution.Solved());
    EXPECT_EQ(solution.moves, "");
    EXPECT_EQ(solution.count, 0);
  }
}

// A real cube taken apart and put back wrongly, as the solving run finds and
// repairs it: one corner turned, one edge turned over, two edges exchanged.
Vars Reassembled(std::mt19937& rng, int twist, bool flip, bool swap) {
  Vars vars = testing::TurnedVars(testing::RandomMoves(rng, 30));
  Buffer& cube = vars.current();
  const auto& corner = kCornerTable[std::uniform_int_distribution<std::size_t>(0, 7)(rng)];
  for (int n = 0; n < twist; ++n) {
    std::swap(cube[corner[0]], cube[corner[1]]);
    std::swap(cube[corner[0]], cube[corner[2]]);
  }
  std::uniform_int_distribution<std::size_t> edge(0, 11);
  if (flip) {
    const auto& e = fewest::kEdgePlaces[edge(rng)];
    std::swap(cube[e[0]], cube[e[1]]);
  }
  if (swap) {
    const std::size_t a = edge(rng);
    const std::size_t b = (a + 1 + edge(rng) % 11) % 12;
    std::swap(cube[fewest::kEdgePlaces[a][0]], cube[fewest::kEdgePlaces[b][0]]);
    std::swap(cube[fewest::kEdgePlaces[a][1]], cube[fewest::kEdgePlaces[b][1]]);
  }
  return vars;
}

TEST(SolveFewest, SolvesTheRepairedCubeOfEveryReassembly) {
  std::mt19937 rng(1411);
  for (int twist = 0; twist <= 2; ++twist) {
    for (int flip = 0; flip <= 1; ++flip) {
      for (int swap = 0; swap <= 1; ++swap) {
        for (int n = 0; n < 40; ++n) {
          Vars vars = Reassembled(rng, twist, flip == 1, swap == 1);
          ASSERT_TRUE(SubmitEntry(vars).Accepted());
          const SolveReport report = SolveOrRepair(vars);
          ASSERT_TRUE(report.solved);
          ASSERT_EQ(report.runs.size(), twist + flip + swap > 0 ? 2u : 1u);
          const Buffer start = vars.current();
          ASSERT_TRUE(Solves(start, SolveFewest(start, FirstSolution())))
              << "twist " << twist << " flip " << flip << " swap " << swap;
        }
      }
    }
  }
}

TEST(FewestTables, AreBuiltOnceInTheBackgroundAndServeEveryThread) {
  const std::shared_future<void> building = StartFewestTables();
  EXPECT_TRUE(building.valid());
  std::mt19937 rng(99);
  const Buffer a = fewest::ToFacelets(fewest::RandomCubies(rng));
  const Buffer b = fewest::ToFacelets(fewest::RandomCubies(rng));
  FewestSolution forA;
  FewestSolution forB;
  std::thread first([&] { forA = SolveFewest(a, FirstSolution()); });
  std::thread second([&] { forB = SolveFewest(b, FirstSolution()); });
  first.join();
  second.join();
  building.wait();
  EXPECT_TRUE(Solves(a, forA));
  EXPECT_TRUE(Solves(b, forB));
  EXPECT_EQ(StartFewestTables().wait_for(std::chrono::seconds(0)), std::future_status::ready);
  EXPECT_LE(FewestTableBytes(), std::size_t{64} << 20);
}

}  // namespace
}  // namespace rotalo
