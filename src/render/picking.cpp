#include "render/picking.h"

#include <array>
#include <cmath>

namespace rotalo {

namespace {

// The sticker in cell (floor u, floor v) of each region's face, [v][u].
using CellTable = std::array<std::array<int, 3>, 3>;
constexpr CellTable kRightCells{{{25, 26, 27}, {32, 52, 28}, {31, 30, 29}}};
constexpr CellTable kLeftCells{{{35, 34, 33}, {36, 53, 40}, {37, 38, 39}}};
constexpr CellTable kTopCells{{{5, 4, 3}, {6, 49, 2}, {7, 8, 1}}};

const CellTable& CellsOf(int face) {
  return face == 4 ? kRightCells : face == 5 ? kLeftCells : kTopCells;
}

struct ArrowHeads {
  int axis;
  int alongU;  // the head beyond the face in u: 3 <= u < 4, 1 <= v < 2
  int alongV;  // the head beyond the face in v: 1 <= u < 2, 3 <= v < 4
};

bool InCell(float u, float v, int cellU, int cellV) {
  return u >= static_cast<float>(cellU) && u < static_cast<float>(cellU + 1) && v >= static_cast<float>(cellV) &&
         v < static_cast<float>(cellV + 1);
}

}  // namespace

Pick PickAt(const DrawContext& context, float x, float y) {
  const float s = static_cast<float>(context.DrawScale);
  const float r = context.Root3;
  const float ox = static_cast<float>(context.OriginX);
  const float oy = static_cast<float>(context.OriginY);

  Pick pick;
  const CellTable* cells = nullptr;
  ArrowHeads heads{};
  if (x >= ox && y > oy - (x - ox) / r) {
    pick.face = 4;
    pick.u = 2 * (x - ox) / (r * s);
    pick.v = ((x - ox) / r + (y - oy)) / s;
    cells = &CellsOf(4);
    heads = {4, -1, +1};
  } else if (x < ox && y > oy + (x - ox) / r) {
    pick.face = 5;
    pick.u = 2 * (ox - x) / (r * s);
    pick.v = ((ox - x) / r + (y - oy)) / s;
    cells = &CellsOf(5);
    heads = {5, +1, -1};
  } else {
    pick.face = 1;
    pick.u = ((x - ox) / r - (y - oy)) / s;
    pick.v = ((ox - x) / r + (oy - y)) / s;
    cells = &CellsOf(1);
    heads = {1, +1, -1};
  }

  if (pick.u < 3 && pick.v < 3) {
    // The regions meet on the face edges, where rounding may give a hair
    // below zero.
    const int cu = pick.u < 0 ? 0 : static_cast<int>(std::floor(pick.u));
    const int cv = pick.v < 0 ? 0 : static_cast<int>(std::floor(pick.v));
    pick.sticker = (*cells)[cv][cu];
  } else if (InCell(pick.u, pick.v, 3, 1)) {
    pick.rotationAxis = heads.axis;
    pick.rotationDirection = heads.alongU;
  } else if (InCell(pick.u, pick.v, 1, 3)) {
    pick.rotationAxis = heads.axis;
    pick.rotationDirection = heads.alongV;
  }
  return pick;
}

namespace {

constexpr std::array<int, 3> kPlaceFaces{1, 5, 4};

// Up, down, left and right on the top face's diamond; a is u, b is v.
StickerPlace MoveOnTop(int a, int b, CursorMove move, int frontFace) {
  switch (move) {
    case CursorMove::Up:
      return a < 2 && b < 2 ? StickerPlace{1, a + 1, b + 1}
             : a < 2        ? StickerPlace{1, a + 1, b}
             : b < 2        ? StickerPlace{1, a, b + 1}
                            : StickerPlace{1, a, b};
    case CursorMove::Down:
      if (a > 0 && b > 0) {
        return {1, a - 1, b - 1};
      }
      if (a == 0 && b == 0) {
        return {frontFace == 5 ? 5 : 4, 0, 0};
      }
      return a == 0 ? StickerPlace{5, b, 0} : StickerPlace{4, a, 0};
    case CursorMove::Right:
      return a < 2 && b > 0 ? StickerPlace{1, a + 1, b - 1}
             : a < 2        ? StickerPlace{1, a + 1, b}
             : b > 0        ? StickerPlace{1, a, b - 1}
                            : StickerPlace{1, a, b};
    case CursorMove::Left:
      return a > 0 && b < 2 ? StickerPlace{1, a - 1, b + 1}
             : b < 2        ? StickerPlace{1, a, b + 1}
             : a > 0        ? StickerPlace{1, a - 1, b}
                            : StickerPlace{1, a, b};
  }
  return {1, a, b};
}

}  // namespace

int PlaceIndex(const StickerPlace& place) {
  const int k = place.face == 1 ? 0 : place.face == 5 ? 1 : 2;
  return 9 * k + 3 * place.v + place.u;
}

StickerPlace PlaceAt(int index) {
  return {kPlaceFaces[static_cast<std::size_t>(index / 9)], index % 3, index % 9 / 3};
}

int StickerAt(const StickerPlace& place) {
  return CellsOf(place.face)[static_cast<std::size_t>(place.v)][static_cast<std::size_t>(place.u)];
}

std::array<DrawPointF, 4> PlaceOutline(const DrawContext& context, const StickerPlace& place) {
  const float s = static_cast<float>(context.DrawScale);
  const float half = context.Root3 * s / 2;
  const auto point = [&](float u, float v) {
    const float ox = static_cast<float>(context.OriginX);
    const float oy = static_cast<float>(context.OriginY);
    switch (place.face) {
      case 4:
        return DrawPointF{ox + u * half, oy + v * s - u * s / 2};
      case 5:
        return DrawPointF{ox - u * half, oy + v * s - u * s / 2};
      default:
        return DrawPointF{ox + (u - v) * half, oy - (u + v) * s / 2};
    }
  };
  const auto u = static_cast<float>(place.u);
  const auto v = static_cast<float>(place.v);
  return {point(u, v), point(u + 1, v), point(u + 1, v + 1), point(u, v + 1)};
}

StickerPlace MoveCursor(const StickerPlace& from, CursorMove move, int frontFace) {
  if (from.face == 1) {
    return MoveOnTop(from.u, from.v, move, frontFace);
  }
  // The front faces side by side: columns 0..2 on the left face, whose u
  // grows leftwards, then 3..5 on the right face.
  const int column = from.face == 5 ? 2 - from.u : 3 + from.u;
  const auto at = [&from](int c) { return c < 3 ? StickerPlace{5, 2 - c, from.v} : StickerPlace{4, c - 3, from.v}; };
  switch (move) {
    case CursorMove::Left:
      return column > 0 ? at(column - 1) : from;
    case CursorMove::Right:
      return column < 5 ? at(column + 1) : from;
    case CursorMove::Down:
      return from.v < 2 ? StickerPlace{from.face, from.u, from.v + 1} : from;
    case CursorMove::Up:
      if (from.v > 0) {
        return {from.face, from.u, from.v - 1};
      }
      return from.face == 4 ? StickerPlace{1, from.u, 0} : StickerPlace{1, 0, from.u};
  }
  return from;
}

PlaceWords DescribePlace(const StickerPlace& place) {
  if (place.face == 1) {
    // Seen from the left front face: u runs from its edge to the back, v
    // from the right front face to the left.
    return {PlaceWords::Face::Top, place.u, 2 - place.v};
  }
  if (place.face == 5) {
    return {PlaceWords::Face::LeftFront, place.v, 2 - place.u};
  }
  return {PlaceWords::Face::RightFront, place.v, place.u};
}

}  // namespace rotalo
