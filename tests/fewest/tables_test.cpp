// The tables that reach one move past the near-goal tables: each must say
// "within reach" exactly for the positions that are in the near-goal table
// or one move from its farthest ones.
#include "fewest/tables.h"

#include <gtest/gtest.h>

#include <random>

namespace rotalo::fewest {
namespace {

const Tables& TheTables() {
  static const Tables tables = BuildTables();
  return tables;
}

// Phase-1 coordinates after random moves from the goal: within 8 moves
// every position is within reach; near 8, 9 and 10 the bit must agree with
// the near-goal table's distances of the position and its neighbours.
TEST(FewestTables, APhase1BitIsSetExactlyWithinOneMoveOfTheNearGoalTable) {
  const Tables& t = TheTables();
  std::mt19937 rng(81);
  int within = 0;
  for (int n = 0; n < 3000; ++n) {
    const int turns = 1 + n % 10;
    int twist = 0;
    int flip = 0;
    int set = kSolvedSliceSet;
    for (int k = 0; k < turns; ++k) {
      const auto m = static_cast<std::size_t>(rng() % kMoveCount);
      twist = t.twistMove[static_cast<std::size_t>(twist) * kMoveCount + m];
      flip = t.flipMove[static_cast<std::size_t>(flip) * kMoveCount + m];
      set = t.sliceSetMove[static_cast<std::size_t>(set) * kMoveCount + m];
    }
    const std::uint64_t key = t.Phase1Key(twist, flip, set);
    bool expected = t.nearPhase1.Distance(key) >= 0;
    for (std::size_t m = 0; m < kMoveCount; ++m) {
      expected |= t.nearPhase1.Distance(t.Phase1Key(t.twistMove[static_cast<std::size_t>(twist) * kMoveCount + m],
                                                    t.flipMove[static_cast<std::size_t>(flip) * kMoveCount + m],
                                                    t.sliceSetMove[static_cast<std::size_t>(set) * kMoveCount + m])) ==
                  t.nearPhase1.depth();
    }
    ASSERT_EQ(t.WithinPhase1Reach(key), expected) << n;
    ASSERT_TRUE(turns > t.Phase1ReachDepth() || expected) << n;
    within += expected ? 1 : 0;
  }
  EXPECT_GT(within, 2400);  // the cases away from the edge are not all one way
  EXPECT_LT(within, 3000);
}

// The same for phase 2: the exact distance up to one move past its
// near-goal table, or -1.
TEST(FewestTables, APhase2DistanceIsExactUpToOneMovePastTheNearGoalTable) {
  const Tables& t = TheTables();
  std::mt19937 rng(92);
  const auto move = [&t](int& corner, int& edges, int& order, std::size_t k) {
    corner = t.cornerMove[static_cast<std::size_t>(corner) * kPhase2MoveCount + k];
    edges = t.edge8Move[static_cast<std::size_t>(edges) * kPhase2MoveCount + k];
    order = t.sliceMove[static_cast<std::size_t>(order) * kPhase2MoveCount + k];
  };
  int beyond = 0;
  for (int n = 0; n < 3000; ++n) {
    const int turns = 1 + n % 12;
    int corner = 0;
    int edges = 0;
    int order = 0;
    for (int k = 0; k < turns; ++k) {
      move(corner, edges, order, rng() % kPhase2MoveCount);
    }
    const int near = t.nearPhase2.Distance(t.Phase2Key(corner, edges, order));
    bool nextToFarthest = false;
    for (std::size_t k = 0; k < kPhase2MoveCount; ++k) {
      int c = corner;
      int e = edges;
      int o = order;
      move(c, e, o, k);
      nextToFarthest |= t.nearPhase2.Distance(t.Phase2Key(c, e, o)) == t.nearPhase2.depth();
    }
    const int expected = near >= 0 ? near : nextToFarthest ? t.Phase2NearDepth() : -1;
    ASSERT_EQ(t.Phase2Distance(t.Phase2Key(corner, edges, order)), expected) << n;
    ASSERT_TRUE(turns > t.Phase2NearDepth() || (expected >= 0 && expected <= turns)) << n;
    beyond += expected == t.Phase2NearDepth() ? 1 : 0;
  }
  EXPECT_GT(beyond, 100);
}

}  // namespace
}  // namespace rotalo::fewest
