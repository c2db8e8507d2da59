#include "render/picking.h"

#include <gtest/gtest.h>

#include <cmath>

namespace rotalo {
namespace {

TEST(PickAt, FindsTheStickerUnderThePoint) {
  const DrawContext context;
  const Pick top = PickAt(context, 115, 100);
  EXPECT_EQ(top.face, 1);
  EXPECT_FLOAT_EQ(top.u, 0.5F);
  EXPECT_FLOAT_EQ(top.v, 0.5F);
  EXPECT_EQ(top.sticker, 5);
  const Pick right = PickAt(context, 130, 130);
  EXPECT_EQ(right.face, 4);
  EXPECT_NEAR(right.u, 0.577, 0.001);
  EXPECT_NEAR(right.v, 0.789, 0.001);
  EXPECT_EQ(right.sticker, 25);
  EXPECT_EQ(PickAt(context, 100, 130).sticker, 35);
  // The centres can be picked too; the far corners of each face.
  EXPECT_EQ(PickAt(context, 115, 70).sticker, 49);
  EXPECT_EQ(PickAt(context, 115, 30).sticker, 1);
  EXPECT_EQ(PickAt(context, 180, 152.5F).sticker, 29);
}

TEST(PickAt, RegionBoundariesBelongWhereTheTableSays) {
  const DrawContext context;
  // Straight below the origin: the right face.
  EXPECT_EQ(PickAt(context, 115, 140).face, 4);
  // On the line between the top and the left face: the top.
  const float x = 85;
  const float y = 115 + (x - 115) / context.Root3;
  EXPECT_EQ(PickAt(context, x, y).face, 1);
  EXPECT_EQ(PickAt(context, x, y + 1).face, 5);
}

TEST(PickAt, OutsideTheFacesPicksNothingButTheArrowHeads) {
  const DrawContext context;
  for (float x = 0; x < 230; x += 2.5F) {
    for (float y = 0; y < 230; y += 2.5F) {
      const Pick pick = PickAt(context, x, y);
      ASSERT_GE(pick.u, -1e-4F);
      ASSERT_GE(pick.v, -1e-4F);
      ASSERT_EQ(pick.OnSticker(), pick.u < 3 && pick.v < 3);
      ASSERT_FALSE(pick.OnSticker() && pick.OnArrowHead());
    }
  }
  EXPECT_FALSE(PickAt(context, 3, 3).OnSticker());
  EXPECT_FALSE(PickAt(context, 3, 3).OnArrowHead());
  EXPECT_FALSE(PickAt(context, 1e30F, -1e30F).OnSticker());
  EXPECT_FALSE(PickAt(context, std::nanf(""), 10).OnSticker());
}

}  // namespace
}  // namespace rotalo
