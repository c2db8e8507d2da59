#include "render/projection.h"

#include <cmath>

namespace rotalo {

namespace {

// Cell corners of positions 1..8 and the centre, for faces 1..6.
constexpr std::array<std::array<std::array<int, 3>, 9>, 6> kCells{{
    {{{2, 0, 2}, {2, 0, 1}, {2, 0, 0}, {1, 0, 0}, {0, 0, 0}, {0, 0, 1}, {0, 0, 2}, {1, 0, 2}, {1, 0, 1}}},
    {{{2, 0, 3}, {1, 0, 3}, {0, 0, 3}, {0, 1, 3}, {0, 2, 3}, {1, 2, 3}, {2, 2, 3}, {2, 1, 3}, {1, 1, 3}}},
    {{{3, 0, 0}, {3, 0, 1}, {3, 0, 2}, {3, 1, 2}, {3, 2, 2}, {3, 2, 1}, {3, 2, 0}, {3, 1, 0}, {3, 1, 1}}},
    {{{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {2, 1, 0}, {2, 2, 0}, {1, 2, 0}, {0, 2, 0}, {0, 1, 0}, {1, 1, 0}}},
    {{{0, 0, 2}, {0, 0, 1}, {0, 0, 0}, {0, 1, 0}, {0, 2, 0}, {0, 2, 1}, {0, 2, 2}, {0, 1, 2}, {0, 1, 1}}},
    {{{0, 3, 0}, {1, 3, 0}, {2, 3, 0}, {2, 3, 1}, {2, 3, 2}, {1, 3, 2}, {0, 3, 2}, {0, 3, 1}, {1, 3, 1}}},
}};

}  // namespace

DrawPoint Project(const DrawContext& context, const ModelPoint& p) {
  const float across = (p.x - p.z) * (context.Root3 / 2.0f);
  const double x = std::floor(static_cast<double>(across) * context.DrawScale + context.OriginX);
  const double y = std::floor((static_cast<double>(p.y) - (static_cast<double>(p.x) + p.z) * 0.5) * context.DrawScale +
                              context.OriginY);
  // A point far off the area is clamped: y into -32768..32767, x into
  // +-1e9, so both still make whole numbers. The cube stays far inside.
  const auto clamp = [](double v, double low, double high) { return v < low ? low : (v > high ? high : v); };
  return {static_cast<int>(clamp(x, -1e9, 1e9)), static_cast<int>(clamp(y, -32768.0, 32767.0))};
}

ModelPoint CellCorner(int facelet) {
  if (facelet < 1 || facelet > kFacelets) {
    return {};
  }
  const int face = HomeFace(facelet);
  const int position = facelet > 48 ? 9 : (facelet - 1) % 8 + 1;
  const auto& cell = kCells[face - 1][position - 1];
  return {static_cast<float>(cell[0]), static_cast<float>(cell[1]), static_cast<float>(cell[2])};
}

std::array<ModelPoint, 3> StickerCorners(int facelet) {
  const ModelPoint corner = CellCorner(facelet);
  ModelPoint a = corner;
  ModelPoint b = corner;
  switch (HomeFace(facelet)) {
    case 1:
    case 6:  // flat in y: along x, then z
      a.x += 1;
      b.z += 1;
      break;
    case 2:
    case 4:  // flat in z: along y, then x
      a.y += 1;
      b.x += 1;
      break;
    default:  // faces 3 and 5, flat in x: along y, then z
      a.y += 1;
      b.z += 1;
      break;
  }
  return {corner, a, b};
}

}  // namespace rotalo
