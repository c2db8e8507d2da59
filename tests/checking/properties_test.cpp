// Seeded random cubes by the thousand: scrambled, re-assembled wrongly and
// painted at random.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <set>
#include <string>
#include <utility>

#include "checking/entry_check.h"
#include "checking/solving_run.h"
#include "model/moves.h"
#include "playback/simplify.h"
#include "support/cubes.h"

namespace rotalo {
namespace {

// The twelve edges, each with the facelet that decides its orientation
// first: the one on face 1 or 6, or for a middle edge the one on face 2 or
// 4. Exchanging two edges first-to-first changes no edge's orientation, so
// the number of flipped edges stays what it was.
constexpr std::array<std::array<int, 2>, 12> kEdges{{
    {2, 18},
    {4, 26},
    {6, 34},
    {8, 10},
    {12, 40},
    {46, 14},
    {16, 20},
    {44, 22},
    {28, 24},
    {42, 30},
    {32, 36},
    {48, 38},
}};

// Applies the simplified solution to the position the run started from.
bool SolutionSolves(const Vars& solved, const std::string& solution) {
  Vars check;
  check.Facelet[0] = solved.Facelet[0];
  ApplyMoveString(check, solution);
  return IsSolved(check.current());
}

TEST(SolvingProperties, TenThousandScramblesAreSolvedWithoutAFault) {
  std::mt19937 rng(20261206);
  std::uniform_int_distribution<int> length(1, 40);
  for (int n = 0; n < 10000; ++n) {
    Vars vars = testing::TurnedVars(testing::RandomMoves(rng, length(rng)));
    ASSERT_TRUE(SubmitEntry(vars).Accepted()) << n;
    const SolveReport report = SolveOrRepair(vars);
    ASSERT_EQ(report.runs.size(), 1u) << n;
    ASSERT_FALSE(report.runs[0].Any()) << n;
    const Simplified solution = SimplifySolution(vars.MoveString);
    ASSERT_TRUE(SolutionSolves(vars, solution.SolutionText)) << n;
    // Markers stay, and no turn of nothing or of the same face twice remains.
    ASSERT_NE(solution.SolutionText.find("AA "), std::string::npos);
    ASSERT_NE(solution.SolutionText.find("BB "), std::string::npos);
    for (int k = 1; k <= solution.MoveCount; ++k) {
      const Token token = TokenAt(solution.SolutionText, k);
      if (token.IsMarker()) {
        continue;
      }
      ASSERT_NE(token.turn, 0);
      if (k < solution.MoveCount) {
        ASSERT_NE(TokenAt(solution.SolutionText, k + 1).face, token.face);
      }
    }
  }
}

TEST(SolvingProperties, EveryOneAndTwoMoveScrambleIsSolved) {
  for (int f1 = 1; f1 <= 6; ++f1) {
    for (int t1 = 1; t1 <= 3; ++t1) {
      for (int f2 = 0; f2 <= 6; ++f2) {
        for (int t2 = 1; t2 <= 3; ++t2) {
          std::string moves;
          AppendToken(moves, f1, t1);
          if (f2 > 0) {
            AppendToken(moves, f2, t2);
          }
          Vars vars = testing::TurnedVars(moves);
          ASSERT_TRUE(SubmitEntry(vars).Accepted());
          const SolveReport report = SolveOrRepair(vars);
          ASSERT_TRUE(report.solved && report.runs.size() == 1) << moves;
          ASSERT_TRUE(SolutionSolves(vars, SimplifySolution(vars.MoveString).SolutionText)) << moves;
        }
      }
    }
  }
}

// A real cube taken apart and put back: one corner turned (forward adds
// one to the twist total), one edge turned over, two edges exchanged.
struct Reassembly {
  int twist;  // 0, 1 or 2 steps forward
  bool flip;
  bool swap;
};

Vars Reassembled(std::mt19937& rng, const Reassembly& r) {
  Vars vars = testing::TurnedVars(testing::RandomMoves(rng, 30));
  Buffer& cube = vars.current();
  std::uniform_int_distribution<int> corner(0, 7);
  std::uniform_int_distribution<int> edge(0, 11);
  const auto& row = kCornerTable[static_cast<std::size_t>(corner(rng))];
  for (int n = 0; n < r.twist; ++n) {
    const Int16 last = cube[row[2]];
    cube[row[2]] = cube[row[1]];
    cube[row[1]] = cube[row[0]];
    cube[row[0]] = last;
  }
  if (r.flip) {
    const auto& e = kEdges[static_cast<std::size_t>(edge(rng))];
    std::swap(cube[e[0]], cube[e[1]]);
  }
  if (r.swap) {
    const int a = edge(rng);
    int b = edge(rng);
    while (b == a) {
      b = edge(rng);
    }
    const auto& ea = kEdges[static_cast<std::size_t>(a)];
    const auto& eb = kEdges[static_cast<std::size_t>(b)];
    std::swap(cube[ea[0]], cube[eb[0]]);
    std::swap(cube[ea[1]], cube[eb[1]]);
  }
  return vars;
}

TEST(SolvingProperties, ReassembledCubesReportExactlyTheirFaultsAndOneRepairMendsThem) {
  std::mt19937 rng(4242);
  for (int twist = 0; twist <= 2; ++twist) {
    for (int flip = 0; flip <= 1; ++flip) {
      for (int swap = 0; swap <= 1; ++swap) {
        const Reassembly r{twist, flip == 1, swap == 1};
        for (int n = 0; n < 300; ++n) {
          Vars vars = Reassembled(rng, r);
          ASSERT_TRUE(SubmitEntry(vars).Accepted());
          const SolveReport report = SolveOrRepair(vars);
          const Faults& first = report.runs.front();
          ASSERT_EQ(first.TwistFault, twist);
          ASSERT_EQ(first.FlipFault, flip);
          ASSERT_EQ(first.SwapFault, swap);
          const bool faulty = twist != 0 || flip != 0 || swap != 0;
          ASSERT_EQ(report.runs.size(), faulty ? 2u : 1u);
          ASSERT_TRUE(report.solved);
          ASSERT_FALSE(report.runs.back().Any());
          ASSERT_TRUE(SolutionSolves(vars, SimplifySolution(vars.MoveString).SolutionText));
        }
      }
    }
  }
}

bool IsOneOfTheMessages(const std::string& message) {
  const std::set<std::string> fixed{"You must colour in ALL of the sides", "The six centres must be different colours"};
  if (fixed.count(message) != 0) {
    return true;
  }
  const auto starts = [&](const char* prefix) { return message.rfind(prefix, 0) == 0; };
  const auto ends = [&](const char* suffix) {
    const std::string s(suffix);
    return message.size() >= s.size() && message.compare(message.size() - s.size(), s.size(), s) == 0;
  };
  return (starts("There must be nine ") && ends(" pieces")) || (starts("There should be no ") && ends(" piece.")) ||
         (starts("The colours on the ") && ends(" piece are in the wrong order.")) ||
         (starts("You have no ") && ends(" piece."));
}

void CheckPainting(Vars& vars, int& accepted, int& rejected) {
  const Buffer painted = vars.current();
  const EntryVerdict verdict = SubmitEntry(vars);
  if (!verdict.Accepted()) {
    ++rejected;
    ASSERT_TRUE(IsOneOfTheMessages(EntryMessage(verdict))) << EntryMessage(verdict);
    ASSERT_EQ(vars.current(), painted);
    return;
  }
  ++accepted;
  const SolveReport report = SolveOrRepair(vars);
  ASSERT_TRUE(report.solved);
  ASSERT_LE(report.runs.size(), 2u);
  ASSERT_TRUE(SolutionSolves(vars, SimplifySolution(vars.MoveString).SolutionText));
}

TEST(SolvingProperties, RandomPaintingsAreRejectedWithAMessageOrAccepted) {
  std::mt19937 rng(99);
  int accepted = 0;
  int rejected = 0;
  std::uniform_int_distribution<int> code(0, 6);
  std::uniform_int_distribution<int> facelet(1, kFacelets);
  for (int n = 0; n < 3000; ++n) {
    // Any colours at all.
    Vars any = testing::SolvedVars();
    for (int i = 1; i <= kFacelets; ++i) {
      any.current()[i] = static_cast<Int16>(code(rng));
    }
    CheckPainting(any, accepted, rejected);

    // Nine of each colour, shuffled, centres left alone.
    Vars shuffled = testing::SolvedVars();
    std::shuffle(shuffled.current().begin() + 1, shuffled.current().begin() + 49, rng);
    CheckPainting(shuffled, accepted, rejected);

    // A real cube with a few stickers exchanged.
    Vars nearly = testing::TurnedVars(testing::RandomMoves(rng, 20));
    for (int s = n % 4; s > 0; --s) {
      std::swap(nearly.current()[facelet(rng)], nearly.current()[facelet(rng)]);
    }
    CheckPainting(nearly, accepted, rejected);
  }
  EXPECT_GT(accepted, 500);
  EXPECT_GT(rejected, 5000);
}

}  // namespace
}  // namespace rotalo
