// The piece model of the fewest-moves search, its symmetries and its
// tables, each checked against an independent way of getting the same
// answer: the facelet turns of the cube model, or a plain breadth-first
// search without symmetry.
#include "fewest/cubie.h"

#include <gtest/gtest.h>

#include <queue>
#include <random>
#include <set>
#include <unordered_map>

#include "fewest/tables.h"
#include "model/moves.h"

namespace rotalo::fewest {
namespace {

const Tables& SharedTables() {
  static const Tables tables = BuildTables();
  return tables;
}

Buffer Turned(const Buffer& cube, int m) {
  Vars vars;
  vars.Facelet[0] = cube;
  TurnFace(vars, MoveFace(m), MoveTurns(m));
  return vars.current();
}

TEST(Cubies, FaceletsAndPiecesTranslateBothWaysAndTurnAlike) {
  std::mt19937 rng(14);
  for (int n = 0; n < 300; ++n) {
    const CubieCube cube = RandomCubies(rng);
    const Buffer facelets = ToFacelets(cube);
    CubieCube read;
    ASSERT_EQ(ReadCubies(facelets, read), CubieFault::None);
    ASSERT_EQ(read, cube);
    for (int m = 0; m < kMoveCount; ++m) {
      ASSERT_EQ(ReadCubies(Turned(facelets, m), read), CubieFault::None);
      ASSERT_EQ(read, Multiply(cube, MoveCube(m))) << "move " << m;
    }
    EXPECT_EQ(Multiply(cube, Inverse(cube)), CubieCube{});
  }
}

TEST(Coordinates, EveryValueSurvivesSettingAndReading) {
  CubieCube c;
  for (int v = 0; v < kTwists; ++v) {
    SetTwist(c, v);
    ASSERT_EQ(Twist(c), v);
  }
  for (int v = 0; v < kFlips; ++v) {
    SetFlip(c, v);
    ASSERT_EQ(Flip(c), v);
  }
  for (int first : {0, 4, 8}) {
    for (int v = 0; v < kPlacings; ++v) {
      SetEdgePlacing(c, first, v);
      ASSERT_EQ(EdgePlacing(c, first), v);
      ASSERT_EQ(std::set<int>(c.ep.begin(), c.ep.end()).size(), 12u);
    }
  }
  for (int v = 0; v < kPermutations8; ++v) {
    SetCornerPermutation(c, v);
    ASSERT_EQ(CornerPermutation(c), v);
    SetEdge8Permutation(c, v);
    ASSERT_EQ(Edge8Permutation(c), v);
    ASSERT_EQ(Permutation8Index(c.ep.data()), v);
  }
  const CubieCube solved;
  EXPECT_EQ(EdgePlacing(solved, 0), kSolvedUpPlacing);
  EXPECT_EQ(EdgePlacing(solved, 4), kSolvedDownPlacing);
  EXPECT_EQ(EdgePlacing(solved, 8), kSolvedSlicePlacing);
}

TEST(Symmetries, AreSixteenAndTakeTurnsToTurnsOfTheSameKind) {
  std::set<std::pair<std::array<std::uint8_t, 8>, std::array<std::uint8_t, 12>>> distinct;
  for (const Symmetry& s : Symmetries()) {
    distinct.insert({s.corner, s.edge});
  }
  EXPECT_EQ(distinct.size(), 16u);
  const std::set<int> phase2(kPhase2Moves.begin(), kPhase2Moves.end());
  for (int s = 0; s < kSymmetries; ++s) {
    EXPECT_EQ(Conjugate(Conjugate(CubieCube{}, s), InverseSymmetry(s)), CubieCube{});
    for (int m = 0; m < kMoveCount; ++m) {
      const CubieCube image = Conjugate(MoveCube(m), s);
      int found = -1;
      for (int k = 0; k < kMoveCount; ++k) {
        found = MoveCube(k) == image ? k : found;
      }
      ASSERT_GE(found, 0) << "symmetry " << s << " move " << m;
      EXPECT_EQ(phase2.count(found), phase2.count(m)) << "symmetry " << s << " move " << m;
    }
  }
  std::mt19937 rng(16);
  for (int n = 0; n < 200; ++n) {
    const CubieCube a = RandomCubies(rng);
    const CubieCube b = RandomCubies(rng);
    const int s = n % kSymmetries;
    ASSERT_EQ(Conjugate(Multiply(a, b), s), Multiply(Conjugate(a, s), Conjugate(b, s))) << "symmetry " << s;
  }
}

// Fewest moves to the goal for every pair i = a * sizeB + b of two
// coordinates, moved by their move tables, without symmetry: the reference
// the tables are held against.
template <class A, class B>
std::vector<int> PlainDistances(const std::vector<A>& moveA, const std::vector<B>& moveB, int sizeB, int goal,
                                int moves) {
  std::vector<int> distance(moveA.size() / moves * sizeB, -1);
  std::queue<int> queue({goal});
  distance[goal] = 0;
  while (!queue.empty()) {
    const int at = queue.front();
    queue.pop();
    for (int m = 0; m < moves; ++m) {
      const int to = moveA[at / sizeB * moves + m] * sizeB + moveB[at % sizeB * moves + m];
      if (distance[to] < 0) {
        distance[to] = distance[at] + 1;
        queue.push(to);
      }
    }
  }
  return distance;
}

TEST(Tables, SymmetryReducedDistancesAreTheTrueDistances) {
  const Tables& t = SharedTables();
  const auto twistSlice = PlainDistances(t.twistMove, t.sliceSetMove, kCombinations, kSolvedSliceSet, kMoveCount);
  const auto flipSlice = PlainDistances(t.flipMove, t.sliceSetMove, kCombinations, kSolvedSliceSet, kMoveCount);
  for (int i = 0; i < kTwists * kCombinations; ++i) {
    ASSERT_EQ(t.twistSlice.Get(t.TwistSliceIndex(i / kCombinations, i % kCombinations)), twistSlice[i]);
  }
  for (int i = 0; i < kFlips * kCombinations; ++i) {
    ASSERT_EQ(t.flipSlice.Get(t.FlipSliceIndex(i / kCombinations, i % kCombinations)), flipSlice[i]);
  }
  const auto twistFlip = PlainDistances(t.twistMove, t.flipMove, kFlips, 0, kMoveCount);
  for (int i = 0; i < kTwists * kFlips; i += 7) {
    ASSERT_EQ(t.twistFlip.Get(t.TwistFlipIndex(i / kFlips, i % kFlips)), twistFlip[i]);
  }
  const auto corners = PlainDistances(t.cornerMove, t.sliceMove, kPermutations4, 0, kPhase2MoveCount);
  const auto edges = PlainDistances(t.edge8Move, t.sliceMove, kPermutations4, 0, kPhase2MoveCount);
  for (int i = 0; i < kPermutations8 * kPermutations4; ++i) {
    ASSERT_EQ(t.CornerSliceDistance(i / kPermutations4, i % kPermutations4), corners[i]);
    ASSERT_EQ(t.EdgeSliceDistance(i / kPermutations4, i % kPermutations4), edges[i]);
  }
}

// Every position a few moves from the goal, found breadth first without
// symmetry, has its own distance in the near-goal table, and so do the
// positions one move further.
template <class Key, class Near, class Next>
void CheckNearGoal(std::uint64_t goal, int depth, int moves, const Near& near, Key key, Next next) {
  std::unordered_map<std::uint64_t, int> distance{{goal, 0}};
  std::vector<std::uint64_t> frontier{goal};
  for (int d = 1; d <= depth; ++d) {
    std::vector<std::uint64_t> found;
    for (const std::uint64_t at : frontier) {
      for (int m = 0; m < moves; ++m) {
        const std::uint64_t to = next(at, m);
        if (distance.emplace(to, d).second) {
          found.push_back(to);
        }
      }
    }
    frontier.swap(found);
  }
  for (const auto& [position, d] : distance) {
    ASSERT_EQ(near.Distance(key(position)), d);
  }
  int beyond = 0;
  for (const std::uint64_t at : frontier) {
    for (int m = 0; m < moves && beyond < 2000; ++m) {
      const std::uint64_t to = next(at, m);
      if (distance.count(to) == 0) {
        ASSERT_EQ(near.Distance(key(to)), depth + 1);
        ++beyond;
      }
    }
  }
  EXPECT_GT(beyond, 0);
}

// Positions of three coordinates packed as (a * sizeB + b) * sizeC + c: the
// position after move m, through the three move tables.
template <class A, class B, class C>
auto PackedNext(const std::vector<A>& moveA, const std::vector<B>& moveB, const std::vector<C>& moveC,
                std::uint64_t sizeB, std::uint64_t sizeC, int moves) {
  return [&moveA, &moveB, &moveC, sizeB, sizeC, moves](std::uint64_t p, int m) {
    const std::uint64_t a = p / sizeC / sizeB, b = p / sizeC % sizeB, c = p % sizeC;
    return (moveA[a * moves + m] * sizeB + moveB[b * moves + m]) * sizeC + moveC[c * moves + m];
  };
}

TEST(Tables, NearGoalTablesKnowThePositionsCloseToTheGoal) {
  const Tables& t = SharedTables();
  // Phase 1 positions as (twist * 2048 + flip) * 495 + slice set.
  const auto phase1Key = [&](std::uint64_t p) {
    return t.Phase1Key(static_cast<int>(p / kCombinations / kFlips), static_cast<int>(p / kCombinations % kFlips),
                       static_cast<int>(p % kCombinations));
  };
  ASSERT_EQ(t.nearPhase1.depth(), 7);
  CheckNearGoal(kSolvedSliceSet, 5, kMoveCount, t.nearPhase1, phase1Key,
                PackedNext(t.twistMove, t.flipMove, t.sliceSetMove, kFlips, kCombinations, kMoveCount));
  // Phase 2 positions as (corner * 40320 + edge8) * 24 + slice order.
  const auto phase2Key = [&](std::uint64_t p) {
    return t.Phase2Key(static_cast<int>(p / 24 / kPermutations8), static_cast<int>(p / 24 % kPermutations8),
                       static_cast<int>(p % 24));
  };
  ASSERT_EQ(t.nearPhase2.depth(), 8);
  CheckNearGoal(0, 6, kPhase2MoveCount, t.nearPhase2, phase2Key,
                PackedNext(t.cornerMove, t.edge8Move, t.sliceMove, kPermutations8, 24, kPhase2MoveCount));
}

}  // namespace
}  // namespace rotalo::fewest
