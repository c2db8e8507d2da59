// The parallel projection of the cube model onto the drawing area.
//
// Model coordinates are sticker units: x and z horizontal, y vertical and
// growing downwards; the cube fills 0..3 on every axis and the viewer looks
// along (1, 1, 1), so the top (y = 0), left front (x = 0) and right front
// (z = 0) faces are visible. One unit of +x is drawn 15*sqrt(3) right and 15
// up, +z 15*sqrt(3) left and 15 up, +y 30 down.
#pragma once

#include <array>

#include "render/context.h"

namespace rotalo {

struct ModelPoint {
  float x = 0, y = 0, z = 0;
};

struct DrawPoint {
  int x = 0, y = 0;
  friend bool operator==(const DrawPoint&, const DrawPoint&) = default;
};

// The drawing coordinates, rounded down (the floor, also below zero). The
// horizontal product (x - z) * Root3 / 2 is cut to single precision first.
DrawPoint Project(const DrawContext& context, const ModelPoint& p);

// The resting cell of facelet i (1..54): the corner of its unit square with
// the smallest coordinates, and the three corners a sticker there is drawn
// from (that corner, then one unit along each axis in the face's plane).
ModelPoint CellCorner(int facelet);
std::array<ModelPoint, 3> StickerCorners(int facelet);

// The facelet at position p (1..8, 9 for the centre) of face f.
inline int FaceletAt(int face, int position) {
  return position == 9 ? 48 + face : 8 * (face - 1) + position;
}

}  // namespace rotalo
