#include "model/cube.h"

#include <gtest/gtest.h>

#include <set>

#include "model/rotation.h"

namespace rotalo {
namespace {

TEST(Companion, PairsEdgesAndWalksRoundCorners) {
  for (int i = 1; i <= 48; ++i) {
    EXPECT_EQ(Companion(Companion(i, 1), 2), i) << i;  // any step for an edge, three in all for a corner
    EXPECT_NE(HomeFace(Companion(i, 1)), HomeFace(i)) << i;
    EXPECT_EQ(Companion(i, 3), i % 2 == 1 ? i : Companion(i, 1));
    EXPECT_EQ(Companion(i, -1), Companion(i, 2));
  }
  EXPECT_TRUE(Companion(19, 1) == 1 && Companion(19, 2) == 9 && Companion(40, 2) == 12 && Companion(49, 1) == 0);
}

TEST(CornerTable, HoldsEveryCornerFaceletOnceOnThreeNeighbouringFaces) {
  Vars vars;
  FillCornerTable(vars);
  std::set<int> seen;
  for (int r = 1; r <= 8; ++r) {
    for (int c = 1; c <= 3; ++c) {
      const int face = HomeFace(vars.CornerTable[r][c]);
      const int next = HomeFace(vars.CornerTable[r][c % 3 + 1]);
      EXPECT_TRUE(vars.CornerTable[r][c] % 2 == 1 && seen.insert(vars.CornerTable[r][c]).second);
      EXPECT_TRUE(face != next && OppositeFace(face) != next) << r;
    }
  }
  EXPECT_EQ(seen.size(), 24u);
}

TEST(NextSide, WalksTheRingBothWays) {
  EXPECT_TRUE(NextSide(5, 1) == 2 && NextSide(2, -1) == 5 && NextSide(2, -7) == 3);
  for (int s = 2; s <= 5; ++s) {
    for (int n = -9; n <= 9; ++n) {
      EXPECT_TRUE(NextSide(s, n) >= 2 && NextSide(s, n) <= 5);
      EXPECT_EQ(NextSide(NextSide(s, n), -n), s);
    }
  }
}

TEST(Faces, SideOfTopAndBottomNameTheSideEachEdgeTouchesAndHomeFaceTheOwner) {
  for (int p = 2; p <= 8; p += 2) {
    EXPECT_EQ(HomeFace(Companion(p, 1)), SideOfTop(p)) << p;
    EXPECT_EQ(HomeFace(Companion(40 + p, 1)), SideOfBottom(p)) << p;
  }
  // Corner positions: the side before them; other positions: none.
  EXPECT_TRUE(SideOfTop(1) == 2 && SideOfBottom(1) == 5 && SideOfTop(9) == -1 && SideOfBottom(0) == -1);
  EXPECT_TRUE(HomeFace(8) == 1 && HomeFace(9) == 2 && HomeFace(48) == 6 && HomeFace(49) == 1 && HomeFace(54) == 6);
}

}  // namespace
}  // namespace rotalo
