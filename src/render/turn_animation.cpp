#include "render/turn_animation.h"

#include <array>
#include <cmath>
#include <initializer_list>

#include "model/moves.h"
#include "render/facelet.h"

namespace rotalo {

namespace {

constexpr float kCentre = 1.5f;

bool IsVisibleFace(int face) {
  return face == 1 || face == 4 || face == 5;
}

// Rows of three facelets of the side faces that lie in the layer of a face.
using Row = std::array<int, 3>;
struct SideRows {
  std::array<Row, 3> clockwise;      // the hidden row coming into view first
  std::array<Row, 3> anticlockwise;  // likewise for q = -1
  std::array<Row, 2> other;          // for any other q
};

const SideRows& RowsOf(int face) {
  static constexpr Row k3top{17, 18, 19}, k5top{33, 34, 35}, k4top{25, 26, 27}, k2top{9, 10, 11};
  static constexpr Row k2bottom{13, 14, 15}, k4bottom{29, 30, 31}, k5bottom{37, 38, 39}, k3bottom{21, 22, 23};
  static constexpr Row k6at4{41, 42, 43}, k1at4{3, 4, 5}, k5at4{35, 36, 37}, k3at4{17, 23, 24};
  static constexpr Row k3at2{19, 20, 21}, k5at2{33, 39, 40}, k1at2{1, 7, 8}, k6at2{45, 46, 47};
  static constexpr Row k2at5{11, 12, 13}, k4at5{25, 31, 32}, k1at5{5, 6, 7}, k6at5{41, 47, 48};
  static constexpr Row k6at3{43, 44, 45}, k1at3{1, 2, 3}, k4at3{27, 28, 29}, k2at3{9, 15, 16};
  static const std::array<SideRows, 7> kRows{{
      {},
      {{k3top, k5top, k4top}, {k2top, k4top, k5top}, {k3top, k5top}},
      {{k3at2, k5at2, k1at2}, {k6at2, k1at2, k5at2}, {k6at2, k1at2}},
      {{k6at3, k1at3, k4at3}, {k2at3, k4at3, k1at3}, {k2at3, k4at3}},
      {{k6at4, k1at4, k5at4}, {k3at4, k5at4, k1at4}, {k6at4, k1at4}},
      {{k2at5, k4at5, k1at5}, {k6at5, k1at5, k4at5}, {k2at5, k4at5}},
      {{k2bottom, k4bottom, k5bottom}, {k3bottom, k5bottom, k4bottom}, {k3bottom, k5bottom}},
  }};
  return kRows[face];
}

// The stickers of a visible face whose cells lie at the given depths along
// the axis of `face` (y for faces 1 and 6, z for 4 and 2, x for 5 and 3).
bool CellAtDepth(int facelet, int face, std::initializer_list<int> depths) {
  const ModelPoint c = CellCorner(facelet);
  const float depth = (face == 1 || face == 6) ? c.y : (face == 4 || face == 2) ? c.z : c.x;
  for (int d : depths) {
    if (depth == static_cast<float>(d)) {
      return true;
    }
  }
  return false;
}

void DrawStandingCells(Canvas& canvas, const DrawContext& context, const Vars& vars, int face,
                       std::initializer_list<int> faces, std::initializer_list<int> depths) {
  for (int f : faces) {
    for (int k = 1; k <= 9; ++k) {
      const int facelet = FaceletAt(f, k);
      if (CellAtDepth(facelet, face, depths)) {
        DrawTurnedFacelet(canvas, context, vars, facelet, face, 0);
      }
    }
  }
}

template <std::size_t N>
void DrawRows(Canvas& canvas, const DrawContext& context, const Vars& vars, int face, const std::array<Row, N>& rows,
              double phi) {
  for (const Row& row : rows) {
    for (int facelet : row) {
      DrawTurnedFacelet(canvas, context, vars, facelet, face, phi);
    }
  }
}

// For each face: the two visible faces (other than itself) whose stickers
// outside the layer stand still, and for a hidden face the visible face
// opposite it, drawn whole.
struct Standing {
  std::array<int, 2> faces;
  int opposite;
};
constexpr std::array<Standing, 7> kStanding{{
    {{0, 0}, 0},
    {{4, 5}, 0},
    {{1, 5}, 4},
    {{1, 4}, 5},
    {{1, 5}, 0},
    {{1, 4}, 0},
    {{4, 5}, 1},
}};

void DrawTurnFrame(Canvas& canvas, const DrawContext& context, const Vars& vars, int face, int q, double phi) {
  const SideRows& rows = RowsOf(face);
  const Standing& standing = kStanding[face];
  auto drawRows = [&] {
    if (q == 1) {
      DrawRows(canvas, context, vars, face, rows.clockwise, phi);
    } else if (q == -1) {
      DrawRows(canvas, context, vars, face, rows.anticlockwise, phi);
    } else {
      DrawRows(canvas, context, vars, face, rows.other, phi);
    }
  };
  if (IsVisibleFace(face)) {
    // The two other visible faces outside the layer, the cut, the layer.
    DrawStandingCells(canvas, context, vars, face, {standing.faces[0], standing.faces[1]}, {1, 2});
    DrawCutSquare(canvas, context, face, 0);
    drawRows();
    for (int k = 1; k <= 9; ++k) {
      DrawTurnedFacelet(canvas, context, vars, FaceletAt(face, k), face, phi);
    }
    return;
  }
  // A hidden face: its layer and cut first, the standing part over them.
  drawRows();
  DrawCutSquare(canvas, context, face, phi);
  DrawStandingCells(canvas, context, vars, face, {standing.faces[0], standing.faces[1]}, {0, 1});
  for (int k = 1; k <= 9; ++k) {
    DrawTurnedFacelet(canvas, context, vars, FaceletAt(standing.opposite, k), face, 0);
  }
}

}  // namespace

ModelPoint RotateAboutFace(int face, const ModelPoint& p, double phi) {
  if (face < 1 || face > 6 || phi == 0) {
    return p;
  }
  // Each face turns two coordinates (u, v) about the cube's centre:
  // u' = c + (u - c) C + s (v - c) S, v' = c - s (u - c) S + (v - c) C.
  struct Plane {
    float ModelPoint::*u;
    float ModelPoint::*v;
    int sense;
  };
  static constexpr std::array<Plane, 7> kPlanes{{
      {&ModelPoint::x, &ModelPoint::z, 0},
      {&ModelPoint::x, &ModelPoint::z, 1},
      {&ModelPoint::x, &ModelPoint::y, 1},
      {&ModelPoint::y, &ModelPoint::z, 1},
      {&ModelPoint::x, &ModelPoint::y, -1},
      {&ModelPoint::y, &ModelPoint::z, -1},
      {&ModelPoint::x, &ModelPoint::z, -1},
  }};
  const Plane& plane = kPlanes[face];
  const double c = kCentre;
  const double cs = std::cos(phi);
  const double sn = plane.sense * std::sin(phi);
  const double u = p.*plane.u - c;
  const double v = p.*plane.v - c;
  ModelPoint r = p;
  r.*plane.u = static_cast<float>(c + u * cs + v * sn);
  r.*plane.v = static_cast<float>(c - u * sn + v * cs);
  return r;
}

void DrawTurnedFacelet(Canvas& canvas, const DrawContext& context, const Vars& vars, int facelet, int face,
                       double phi) {
  const auto corners = StickerCorners(facelet);
  canvas.BeginSticker(facelet);
  DrawFacelet(canvas, context, RotateAboutFace(face, corners[0], phi), RotateAboutFace(face, corners[1], phi),
              RotateAboutFace(face, corners[2], phi), FaceletColour(vars, facelet));
}

void DrawCutSquare(Canvas& canvas, const DrawContext& context, int face, double phi) {
  // The plane between the layer and the rest, and two directions in it.
  ModelPoint p1, p2, p3;
  switch (face) {
    case 1:
    case 6: {
      const float y = face == 1 ? 1.0f : 2.0f;
      p1 = {0, y, 0}, p2 = {3, y, 0}, p3 = {0, y, 3};
      break;
    }
    case 4:
    case 2: {
      const float z = face == 4 ? 1.0f : 2.0f;
      p1 = {0, 0, z}, p2 = {0, 3, z}, p3 = {3, 0, z};
      break;
    }
    case 5:
    case 3: {
      const float x = face == 5 ? 1.0f : 2.0f;
      p1 = {x, 0, 0}, p2 = {x, 3, 0}, p3 = {x, 0, 3};
      break;
    }
    default:
      return;
  }
  canvas.BeginSticker(0);
  DrawFacelet(canvas, context, RotateAboutFace(face, p1, phi), RotateAboutFace(face, p2, phi),
              RotateAboutFace(face, p3, phi), 0);
}

void AnimateTurn(Canvas& canvas, DrawContext& context, const Vars& vars, FrameHost& host, int face, int& q, int e) {
  q = SignedTurn(q);
  if (face < 1 || face > 6 || q == 0) {
    canvas.SetPenWidth(2);
    canvas.SetPenColour(0);
    context.TurnBusy = 0;
    return;
  }
  const int n = context.StepsPerTurn();
  const int s = q > 0 ? 1 : -1;
  const int last = (n - 1 + e) * q;
  for (int i = q; s > 0 ? i <= last : i >= last; i += s) {
    canvas.Clear();
    const float phi = static_cast<float>((kPi / 2) * i / n);
    DrawTurnFrame(canvas, context, vars, face, q, phi);
    host.FrameDone();
  }
  context.TurnBusy = 0;
}

}  // namespace rotalo
