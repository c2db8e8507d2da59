#include "model/cube.h"

#include <gtest/gtest.h>

#include <set>

namespace rotalo {
namespace {

TEST(Companion, WalksRoundCornersAndPairsEdges) {
  EXPECT_EQ(Companion(19, 1), 1);
  EXPECT_EQ(Companion(19, 2), 9);
  EXPECT_EQ(Companion(19, 0), 19);
  EXPECT_EQ(Companion(40, 2), 12);
  EXPECT_EQ(Companion(12, 0), 40);
  EXPECT_EQ(Companion(1, 3), 1);  // three steps come back round
}

TEST(CornerTable, HoldsEveryOddFaceletOnce) {
  Vars vars;
  FillCornerTable(vars);
  std::set<int> seen;
  for (int r = 1; r <= 8; ++r) {
    for (int c = 1; c <= 3; ++c) {
      const int facelet = vars.CornerTable[r][c];
      EXPECT_EQ(facelet % 2, 1);
      EXPECT_TRUE(seen.insert(facelet).second) << facelet;
    }
  }
  EXPECT_EQ(seen.size(), 24u);
  EXPECT_EQ(vars.CornerTable[8][2], 41);
  EXPECT_EQ(vars.CornerTable[4][3], 11);
}

TEST(NextSide, WalksTheRingBothWays) {
  EXPECT_EQ(NextSide(5, 1), 2);
  EXPECT_EQ(NextSide(2, -1), 5);
  EXPECT_EQ(NextSide(3, 4), 3);
  EXPECT_EQ(NextSide(2, -7), 3);
  EXPECT_EQ(NextSide(4, 6), 2);
  for (int s = 2; s <= 5; ++s) {
    for (int n = -9; n <= 9; ++n) {
      const int side = NextSide(s, n);
      EXPECT_GE(side, 2);
      EXPECT_LE(side, 5);
      EXPECT_EQ(NextSide(side, -n), s);
    }
  }
}

TEST(SideOfTopAndBottom, NameTheSideBesideEachPosition) {
  EXPECT_EQ(SideOfTop(8), 2);
  EXPECT_EQ(SideOfTop(1), 2);
  EXPECT_EQ(SideOfTop(2), 3);
  EXPECT_EQ(SideOfTop(5), 4);
  EXPECT_EQ(SideOfTop(7), 5);
  EXPECT_EQ(SideOfBottom(1), 5);
  EXPECT_EQ(SideOfBottom(8), 5);
  EXPECT_EQ(SideOfBottom(2), 4);
  EXPECT_EQ(SideOfBottom(4), 3);
  EXPECT_EQ(SideOfBottom(6), 2);
  EXPECT_EQ(SideOfTop(9), -1);
  EXPECT_EQ(SideOfTop(0), -1);
  EXPECT_EQ(SideOfBottom(-1), -1);
}

TEST(SideOfTopAndBottom, EdgePositionsTouchTheirSide) {
  // The partner of an edge facelet of the top or bottom face lies on the
  // side face that SideOfTop / SideOfBottom names.
  for (int p = 2; p <= 8; p += 2) {
    EXPECT_EQ(HomeFace(Companion(p, 1)), SideOfTop(p)) << p;
    EXPECT_EQ(HomeFace(Companion(40 + p, 1)), SideOfBottom(p)) << p;
  }
}

TEST(HomeFace, NamesTheOwningFace) {
  EXPECT_EQ(HomeFace(1), 1);
  EXPECT_EQ(HomeFace(8), 1);
  EXPECT_EQ(HomeFace(9), 2);
  EXPECT_EQ(HomeFace(48), 6);
  EXPECT_EQ(HomeFace(49), 1);
  EXPECT_EQ(HomeFace(54), 6);
}

}  // namespace
}  // namespace rotalo
