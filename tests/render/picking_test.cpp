#include "render/picking.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>

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

DrawPointF Middle(const StickerPlace& place) {
  const auto corners = PlaceOutline(DrawContext{}, place);
  DrawPointF m;
  for (const DrawPointF& c : corners) m = {m.x + c.x / 4, m.y + c.y / 4};
  return m;
}

int SharedCorners(const StickerPlace& a, const StickerPlace& b) {
  int shared = 0;
  for (const DrawPointF& p : PlaceOutline(DrawContext{}, a)) {
    for (const DrawPointF& q : PlaceOutline(DrawContext{}, b)) shared += std::hypot(p.x - q.x, p.y - q.y) < 0.01F;
  }
  return shared;
}

TEST(StickerPlaces, CoverTheVisibleStickersEachPickedBackAtItsMiddleAndNamedOnce) {
  std::set<int> stickers;
  std::set<std::tuple<PlaceWords::Face, int, int>> names;
  for (int i = 0; i < kVisibleStickers; ++i) {
    const StickerPlace place = PlaceAt(i);
    EXPECT_EQ(PlaceIndex(place), i);
    const DrawPointF m = Middle(place);
    EXPECT_EQ(PickAt(DrawContext{}, m.x, m.y).sticker, StickerAt(place)) << i;
    stickers.insert(StickerAt(place));
    const PlaceWords words = DescribePlace(place);
    names.insert({words.face, words.row, words.column});
  }
  EXPECT_EQ(stickers.size(), 27U);
  EXPECT_EQ(names.size(), 27U);
  // Facelet 1, at the top of the drawing, is the top face's back row, left.
  EXPECT_EQ(DescribePlace({1, 2, 2}), (PlaceWords{PlaceWords::Face::Top, 2, 0}));
  EXPECT_EQ(StickerAt({1, 2, 2}), 1);
  EXPECT_EQ(DescribePlace({4, 0, 0}), (PlaceWords{PlaceWords::Face::RightFront, 0, 0}));
  EXPECT_EQ(DescribePlace({5, 2, 1}), (PlaceWords{PlaceWords::Face::LeftFront, 1, 0}));
}

TEST(MoveCursor, StepsToANeighbourInTheKeysDirectionAndReachesEverySticker) {
  const std::array<std::pair<CursorMove, DrawPointF>, 4> moves{{{CursorMove::Left, {-1, 0}},
                                                                {CursorMove::Right, {1, 0}},
                                                                {CursorMove::Up, {0, -1}},
                                                                {CursorMove::Down, {0, 1}}}};
  std::set<int> reached{0};
  for (int pass = 0; pass < 27; ++pass) {
    for (int i = 0; i < kVisibleStickers; ++i) {
      const StickerPlace from = PlaceAt(i);
      for (const auto& [move, direction] : moves) {
        const StickerPlace to = MoveCursor(from, move);
        if (to == from) continue;
        if (reached.count(i) != 0) reached.insert(PlaceIndex(to));
        // A sticker that shares an edge or a corner, at most 60 degrees off
        // the key's direction.
        ASSERT_GE(SharedCorners(from, to), 1) << i;
        const DrawPointF a = Middle(from);
        const DrawPointF b = Middle(to);
        const float along = (b.x - a.x) * direction.x + (b.y - a.y) * direction.y;
        ASSERT_GE(along, 0.49F * std::hypot(b.x - a.x, b.y - a.y)) << i;
      }
    }
  }
  EXPECT_EQ(reached.size(), 27U);
}

TEST(MoveCursor, CrossesWhereTheFacesMeetAndComesBackTheSameWay) {
  for (int v = 0; v < 3; ++v) {
    // Across the edge between the front faces, both ways.
    EXPECT_EQ(MoveCursor({5, 0, v}, CursorMove::Right), (StickerPlace{4, 0, v}));
    EXPECT_EQ(MoveCursor({4, 0, v}, CursorMove::Left), (StickerPlace{5, 0, v}));
    // The outer edges hold the cursor.
    EXPECT_EQ(MoveCursor({5, 2, v}, CursorMove::Left), (StickerPlace{5, 2, v}));
    EXPECT_EQ(MoveCursor({4, v, 2}, CursorMove::Down), (StickerPlace{4, v, 2}));
  }
  for (int front : {4, 5}) {
    for (int u = 0; u < 3; ++u) {
      // Up from the top row onto the top face beside it, and down again.
      const StickerPlace below{front, u, 0};
      const StickerPlace above = MoveCursor(below, CursorMove::Up);
      EXPECT_EQ(above.face, 1);
      EXPECT_EQ(SharedCorners(below, above), 2);
      EXPECT_EQ(MoveCursor(above, CursorMove::Down, front), below);
    }
  }
  EXPECT_EQ(MoveCursor({1, 2, 2}, CursorMove::Up), (StickerPlace{1, 2, 2}));
}

}  // namespace
}  // namespace rotalo
