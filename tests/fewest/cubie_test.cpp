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
#include "support/cubes.h"

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

TEST(Cubies, ReadsTheSolvedCubeAsEveryPieceAtHome) {
  CubieCube read;
  ASSERT_EQ(ReadCubies(testing::SolvedVars().current(), read), CubieFault::None);
  EXPECT_EQ(read, CubieCube{});
}

TEST(Cubies, NamesTheFaultOfACubeNoTurnsCanSolve) {
  const Buffer solved = testing::SolvedVars().current();
  Buffer twisted = solved;  // the corner at 5, 25, 35 turned in place
  std::swap(twisted[5], twisted[25]);
  std::swap(twisted[5], twisted[35]);
  Buffer flipped = solved;
  std::swap(flipped[6], flipped[34]);
  Buffer swapped = solved;  // edges 2/18 and 4/26 exchanged
  std::swap(swapped[2], swapped[4]);
  std::swap(swapped[18], swapped[26]);
  Buffer mirrored = solved;  // a corner with its colours in mirrored order
  std::swap(mirrored[25], mirrored[35]);
  Buffer twice = solved;  // two stickers of face 2 where face 4's belong
  twice[26] = 2;
  Buffer centre = solved;
  std::swap(centre[49], centre[50]);
  CubieCube read;
  EXPECT_EQ(ReadCubies(twisted, read), CubieFault::Twist);
  EXPECT_EQ(ReadCubies(flipped, read), CubieFault::Flip);
  EXPECT_EQ(ReadCubies(swapped, read), CubieFault::Parity);
  EXPECT_EQ(ReadCubies(mirrored, read), CubieFault::Pieces);
  EXPECT_EQ(ReadCubies(twice, read), CubieFault::Pieces);
  EXPECT_EQ(ReadCubies(centre, read), CubieFault::Pieces);
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

// Fewest moves to the goal for every value of a coordinate pair, without
// symmetry: the reference the tables are held against.
template <class Next>
std::vector<int> PlainDistances(int size, int goal, int moves, Next next) {
  std::vector<int> distance(static_cast<std::size_t>(size), -1);
  std::queue<int> queue;
  distance[static_cast<std::size_t>(goal)] = 0;
  queue.push(goal);
  while (!queue.empty()) {
    const int at = queue.front();
    queue.pop();
    for (int m = 0; m < moves; ++m) {
      const int to = next(at, m);
      if (distance[static_cast<std::size_t>(to)] < 0) {
        distance[static_cast<std::size_t>(to)] = distance[static_cast<std::size_t>(at)] + 1;
        queue.push(to);
      }
    }
  }
  return distance;
}

TEST(Tables, SymmetryReducedDistancesAreTheTrueDistances) {
  const Tables& t = SharedTables();
  const auto twistSlice = PlainDistances(kTwists * kCombinations, kSolvedSliceSet, kMoveCount, [&](int i, int m) {
    return t.twistMove[static_cast<std::size_t>(i / kCombinations * kMoveCount + m)] * kCombinations +
           t.sliceSetMove[static_cast<std::size_t>(i % kCombinations * kMoveCount + m)];
  });
  for (int i = 0; i < kTwists * kCombinations; ++i) {
    ASSERT_EQ(t.twistSlice.Get(t.TwistSliceIndex(i / kCombinations, i % kCombinations)),
              twistSlice[static_cast<std::size_t>(i)]);
  }
  const auto flipSlice = PlainDistances(kFlips * kCombinations, kSolvedSliceSet, kMoveCount, [&](int i, int m) {
    return t.flipMove[static_cast<std::size_t>(i / kCombinations * kMoveCount + m)] * kCombinations +
           t.sliceSetMove[static_cast<std::size_t>(i % kCombinations * kMoveCount + m)];
  });
  for (int i = 0; i < kFlips * kCombinations; ++i) {
    ASSERT_EQ(t.flipSlice.Get(t.FlipSliceIndex(i / kCombinations, i % kCombinations)),
              flipSlice[static_cast<std::size_t>(i)]);
  }
  const auto twistFlip = PlainDistances(kTwists * kFlips, 0, kMoveCount, [&](int i, int m) {
    return t.twistMove[static_cast<std::size_t>(i / kFlips * kMoveCount + m)] * kFlips +
           t.flipMove[static_cast<std::size_t>(i % kFlips * kMoveCount + m)];
  });
  for (int i = 0; i < kTwists * kFlips; i += 7) {
    ASSERT_EQ(t.twistFlip.Get(t.TwistFlipIndex(i / kFlips, i % kFlips)), twistFlip[static_cast<std::size_t>(i)]);
  }
  const auto corners = PlainDistances(kPermutations8 * kPermutations4, 0, kPhase2MoveCount, [&](int i, int k) {
    return t.cornerMove[static_cast<std::size_t>(i / kPermutations4 * kPhase2MoveCount + k)] * kPermutations4 +
           t.sliceMove[static_cast<std::size_t>(i % kPermutations4 * kPhase2MoveCount + k)];
  });
  const auto edges = PlainDistances(kPermutations8 * kPermutations4, 0, kPhase2MoveCount, [&](int i, int k) {
    return t.edge8Move[static_cast<std::size_t>(i / kPermutations4 * kPhase2MoveCount + k)] * kPermutations4 +
           t.sliceMove[static_cast<std::size_t>(i % kPermutations4 * kPhase2MoveCount + k)];
  });
  for (int i = 0; i < kPermutations8 * kPermutations4; ++i) {
    ASSERT_EQ(t.CornerSliceDistance(i / kPermutations4, i % kPermutations4), corners[static_cast<std::size_t>(i)]);
    ASSERT_EQ(t.EdgeSliceDistance(i / kPermutations4, i % kPermutations4), edges[static_cast<std::size_t>(i)]);
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

TEST(Tables, NearGoalTablesKnowThePositionsCloseToTheGoal) {
  const Tables& t = SharedTables();
  // Phase 1 positions as (twist * 2048 + flip) * 495 + slice set.
  const auto phase1Key = [&](std::uint64_t p) {
    return t.Phase1Key(static_cast<int>(p / kCombinations / kFlips), static_cast<int>(p / kCombinations % kFlips),
                       static_cast<int>(p % kCombinations));
  };
  const auto phase1Next = [&](std::uint64_t p, int m) -> std::uint64_t {
    const auto set = static_cast<std::size_t>(p % kCombinations);
    const auto flip = static_cast<std::size_t>(p / kCombinations % kFlips);
    const auto twist = static_cast<std::size_t>(p / kCombinations / kFlips);
    return (std::uint64_t{t.twistMove[twist * kMoveCount + m]} * kFlips + t.flipMove[flip * kMoveCount + m]) *
               kCombinations +
           t.sliceSetMove[set * kMoveCount + m];
  };
  ASSERT_EQ(t.nearPhase1.depth(), 7);
  CheckNearGoal(kSolvedSliceSet, 5, kMoveCount, t.nearPhase1, phase1Key, phase1Next);
  // Phase 2 positions as (corner * 40320 + edge8) * 24 + slice order.
  const auto phase2Key = [&](std::uint64_t p) {
    return t.Phase2Key(static_cast<int>(p / 24 / kPermutations8), static_cast<int>(p / 24 % kPermutations8),
                       static_cast<int>(p % 24));
  };
  const auto phase2Next = [&](std::uint64_t p, int k) -> std::uint64_t {
    const auto order = static_cast<std::size_t>(p % 24);
    const auto edges = static_cast<std::size_t>(p / 24 % kPermutations8);
    const auto corner = static_cast<std::size_t>(p / 24 / kPermutations8);
    const auto move = static_cast<std::size_t>(k);
    return (std::uint64_t{t.cornerMove[corner * kPhase2MoveCount + move]} * kPermutations8 +
            t.edge8Move[edges * kPhase2MoveCount + move]) *
               24 +
           t.sliceMove[order * kPhase2MoveCount + move];
  };
  ASSERT_EQ(t.nearPhase2.depth(), 8);
  CheckNearGoal(0, 6, kPhase2MoveCount, t.nearPhase2, phase2Key, phase2Next);
}

}  // namespace
}  // namespace rotalo::fewest
