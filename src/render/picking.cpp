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
    cells = &kRightCells;
    heads = {4, -1, +1};
  } else if (x < ox && y > oy + (x - ox) / r) {
    pick.face = 5;
    pick.u = 2 * (ox - x) / (r * s);
    pick.v = ((ox - x) / r + (y - oy)) / s;
    cells = &kLeftCells;
    heads = {5, +1, -1};
  } else {
    pick.face = 1;
    pick.u = ((x - ox) / r - (y - oy)) / s;
    pick.v = ((ox - x) / r + (oy - y)) / s;
    cells = &kTopCells;
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

}  // namespace rotalo
