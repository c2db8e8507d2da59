#include "render/facelet.h"

#include <array>

namespace rotalo {

namespace {

constexpr Colour kBlack = 0;

// floor(a / b) for b > 0: the greatest integer not above the quotient.
int FloorDiv(long long a, long long b) {
  const long long q = a / b;
  return static_cast<int>((a % b != 0 && a < 0) ? q - 1 : q);
}

// The boundary row at column x on the edge from a to b (a.x < b.x).
int EdgeY(const DrawPoint& a, const DrawPoint& b, int x) {
  return FloorDiv(static_cast<long long>(b.x - x) * a.y + static_cast<long long>(x - a.x) * b.y, b.x - a.x);
}

}  // namespace

Colour FaceletColour(const Vars& vars, int facelet) {
  const int v = vars.current()[facelet];
  return (v >= 0 && v <= 6) ? vars.FaceColourValue[v] : kUncolouredValue;
}

void DrawFacelet(Canvas& canvas, const DrawContext& context, const ModelPoint& p1, const ModelPoint& p2,
                 const ModelPoint& p3, Colour colour) {
  // Vertices 1..4 (index 0 unused); 4 = 2 + 3 - 1 in whole pixels.
  std::array<DrawPoint, 5> v{};
  v[1] = Project(context, p1);
  v[2] = Project(context, p2);
  v[3] = Project(context, p3);
  v[4] = {v[2].x + v[3].x - v[1].x, v[2].y + v[3].y - v[1].y};

  canvas.SetPenWidth(1);
  canvas.SetPenColour(colour);

  // The leftmost vertex (a later one wins a tie), the one opposite it, and
  // the two in the middle, upper and lower.
  int left = 1;
  for (int n = 2; n <= 4; ++n) {
    if (v[n].x <= v[left].x) {
      left = n;
    }
  }
  const int opposite = 5 - left;
  const int m1 = (left == 1 || left == 4) ? 2 : 1;
  const int m2 = 5 - m1;
  int upper = m1;
  int lower = m2;
  if (v[m2].y < v[m1].y) {
    upper = m2;
    lower = m1;
  } else if (v[m2].y == v[m1].y) {
    upper = (m1 == 2) ? 2 : 4;  // middles 2 and 3, or 1 and 4
    lower = (upper == m1) ? m2 : m1;
  }
  const DrawPoint& l = v[left];
  const DrawPoint& o = v[opposite];
  const DrawPoint& u = v[upper];
  const DrawPoint& d = v[lower];
  for (int x = l.x; x <= o.x; ++x) {
    const DrawPoint& ua = x < u.x ? l : u;
    const DrawPoint& ub = x < u.x ? u : o;
    const DrawPoint& da = x < d.x ? l : d;
    const DrawPoint& db = x < d.x ? d : o;
    if (ua.x == ub.x || da.x == db.x) {
      continue;  // on a vertical edge, which the outline covers
    }
    canvas.Line(x, EdgeY(ua, ub, x), x, EdgeY(da, db, x));
  }

  canvas.SetPenWidth(2);
  canvas.SetPenColour(kBlack);
  canvas.Line(v[3].x, v[3].y, v[1].x, v[1].y);
  canvas.Line(v[2].x, v[2].y, v[1].x, v[1].y);
  canvas.Line(v[3].x, v[3].y, v[4].x, v[4].y);
  canvas.Line(v[2].x, v[2].y, v[4].x, v[4].y);
}

}  // namespace rotalo
