#include "render/projection.h"

#include <gtest/gtest.h>

namespace rotalo {
namespace {

TEST(Project, PlacesTheCubeCornersAroundTheCentre) {
  const DrawContext context;
  EXPECT_EQ(Project(context, {0, 0, 0}), (DrawPoint{115, 115}));
  EXPECT_EQ(Project(context, {3, 0, 0}), (DrawPoint{192, 70}));
  EXPECT_EQ(Project(context, {0, 0, 3}), (DrawPoint{37, 70}));
  EXPECT_EQ(Project(context, {0, 3, 0}), (DrawPoint{115, 205}));
  EXPECT_EQ(Project(context, {3, 0, 3}), (DrawPoint{115, 25}));
  const DrawContext moved{60, 10, 20};  // scale 60, origin (10, 20)
  EXPECT_EQ(Project(moved, {0, 1, 0}), (DrawPoint{10, 80}));
}

TEST(Project, RoundsDownInSinglePrecisionAcross) {
  const DrawContext context;
  // Just left of the origin column: -0.866 * 30 + 115 = 89.02, and
  // 1.5 units up and left: 115 - 38.97 = 76.03.
  EXPECT_EQ(Project(context, {0, 0, 1}).x, 89);
  EXPECT_EQ(Project(context, {0, 0, 1.5f}).x, 76);
  // Far off to the left and above, where the values are negative.
  EXPECT_EQ(Project(context, {0, -10, 5.1f}), (DrawPoint{-18, -262}));  // x -17.5
  // (x - z) * Root3 / 2 in single precision puts these points in columns 25
  // and 27; in double precision the first would fall in column 24.
  EXPECT_EQ(Project(context, {-0.795102179f, 0, 2.66899967f}).x, 25);
  EXPECT_EQ(Project(context, {-0.62634635f, 0, 2.72228527f}).x, 27);
}

TEST(StickerCorners, SpanTheRestingCellInTheFacePlane) {
  // Facelet 25, the top left of face 4 at the near top corner: one unit down,
  // one along x; facelet 1 at the back corner of the top face.
  const auto c25 = StickerCorners(25);
  EXPECT_TRUE(c25[0].x == 0 && c25[1].y == 1 && c25[2].x == 1 && CellCorner(1).x == 2 && CellCorner(1).z == 2);
  const float planes[7] = {0, 0, 3, 3, 0, 0, 3};  // y, z, x, z, x, y per face
  for (int i = 1; i <= kFacelets; ++i) {
    for (const ModelPoint& p : StickerCorners(i)) {
      EXPECT_TRUE(p.x >= 0 && p.x <= 3 && p.y >= 0 && p.y <= 3 && p.z >= 0 && p.z <= 3) << i;
    }
    const int f = HomeFace(i);
    const ModelPoint c = CellCorner(i);
    EXPECT_EQ((f == 1 || f == 6) ? c.y : (f == 2 || f == 4) ? c.z : c.x, planes[f]) << i;
  }
}

}  // namespace
}  // namespace rotalo
