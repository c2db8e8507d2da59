#include "render/cube_drawing.h"

#include <cmath>

#include "render/facelet.h"
#include "render/projection.h"

namespace rotalo {

namespace {

constexpr double kEdge = 30;                         // a sticker edge in drawing units
constexpr double kHalf = 15;                         // half of it
const double kW = (kEdge / 2) * std::pow(3.0, 0.5);  // 25.98: the width of a half step

int Floor(double v) {
  return static_cast<int>(std::floor(v));
}

// The reference corner of a cell with corner (a, b, c).
struct Reference {
  double x, y;
};
Reference ReferenceCorner(const DrawContext& context, const ModelPoint& cell) {
  return {context.OriginX + cell.x * kW - cell.z * kW,
          context.OriginY - kHalf * cell.x + kEdge * cell.y - kHalf * cell.z};
}

void VerticalLine(Canvas& canvas, double x, double y1, double y2) {
  canvas.Line(Floor(x), Floor(y1), Floor(x), Floor(y2));
}

void FillSticker(Canvas& canvas, int face, Reference v) {
  switch (face) {
    case 1:  // a rhombus 2w wide and 30 high with its lowest vertex at v
      for (int t = 0; t <= 25; ++t) {
        VerticalLine(canvas, v.x + t, v.y - kEdge + kHalf * t / kW, v.y - kHalf * t / kW);
      }
      for (int t = 0; t >= -25; --t) {
        VerticalLine(canvas, v.x + t, v.y - kEdge - kHalf * t / kW, v.y + kHalf * t / kW);
      }
      break;
    case 4:  // v is the upper left corner; the sticker rises to the right
      for (int t = 0; t <= 25; ++t) {
        VerticalLine(canvas, v.x + t, v.y - kHalf * t / kW, v.y + kEdge - kHalf * t / kW);
      }
      break;
    default:  // face 5: v is the upper right corner; it rises to the left
      for (int t = 0; t >= -25; --t) {
        VerticalLine(canvas, v.x + t, v.y + kHalf * t / kW, v.y + kEdge + kHalf * t / kW);
      }
      break;
  }
}

// The two screen vectors along which a face's cells are laid out.
struct Vectors {
  double ax, ay, bx, by;
};
Vectors FaceVectors(int face) {
  switch (face) {
    case 1:  // +x and +z
      return {kW, -kHalf, -kW, -kHalf};
    case 4:  // +x and +y
      return {kW, -kHalf, 0, kEdge};
    default:  // face 5: +z and +y
      return {-kW, -kHalf, 0, kEdge};
  }
}

void OutlineFace(Canvas& canvas, const DrawContext& context, int face) {
  const Vectors e = FaceVectors(face);
  for (int i = 0; i <= 2; ++i) {
    for (int j = 0; j <= 2; ++j) {
      const double x0 = context.OriginX + i * e.ax + j * e.bx;
      const double y0 = context.OriginY + i * e.ay + j * e.by;
      // Once round the cell: v, v + a, v + a + b, v + b.
      const double xs[4] = {x0, x0 + e.ax, x0 + e.ax + e.bx, x0 + e.bx};
      const double ys[4] = {y0, y0 + e.ay, y0 + e.ay + e.by, y0 + e.by};
      for (int s = 0; s < 4; ++s) {
        const int n = (s + 1) % 4;
        canvas.Line(Floor(xs[s]), Floor(ys[s]), Floor(xs[n]), Floor(ys[n]));
      }
    }
  }
}

}  // namespace

void DrawCube(Canvas& canvas, const DrawContext& context, const Vars& vars) {
  canvas.Clear();
  if (context.CubeVisible != 1) {
    canvas.SetPenWidth(2);
    canvas.SetPenColour(0);
    return;
  }
  canvas.SetPenWidth(1);
  for (int face : {1, 4, 5}) {
    for (int k = 1; k <= 9; ++k) {
      const int facelet = FaceletAt(face, k);
      canvas.BeginSticker(facelet);
      canvas.SetPenColour(FaceletColour(vars, facelet));
      FillSticker(canvas, face, ReferenceCorner(context, CellCorner(facelet)));
    }
  }
  canvas.BeginSticker(0);
  canvas.SetPenWidth(2);
  canvas.SetPenColour(0);
  for (int face : {1, 4, 5}) {
    OutlineFace(canvas, context, face);
  }
}

}  // namespace rotalo
