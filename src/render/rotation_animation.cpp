#include "render/rotation_animation.h"

#include <array>

#include "model/moves.h"
#include "model/rotation.h"
#include "render/cube_drawing.h"
#include "render/projection.h"
#include "render/turn_animation.h"

namespace rotalo {

namespace {

// The four faces drawn in each frame: the hidden one turning into view, the
// visible one turning away, the visible one staying, the one on the axis.
std::array<int, 4> FacesDrawn(int axis, int q) {
  switch (axis) {
    case 5:
      return q > 0 ? std::array<int, 4>{2, 4, 1, 5} : std::array<int, 4>{6, 1, 4, 5};
    case 4:
      return q > 0 ? std::array<int, 4>{6, 1, 5, 4} : std::array<int, 4>{3, 5, 1, 4};
    default:
      return q > 0 ? std::array<int, 4>{3, 5, 4, 1} : std::array<int, 4>{2, 4, 5, 1};
  }
}

}  // namespace

void AnimateRotation(Canvas& canvas, const DrawContext& context, Vars& vars, FrameHost& host, int axis, int& q) {
  q = SignedTurn(q);
  if ((axis != 1 && axis != 4 && axis != 5) || (q != 1 && q != -1)) {
    return;
  }
  const int n = context.StepsPerTurn();
  for (int i = q; q > 0 ? i <= (n - 1) * q : i >= (n - 1) * q; i += q) {
    canvas.Clear();
    const float phi = static_cast<float>((kPi / 2) * i / n);
    for (int face : FacesDrawn(axis, q)) {
      for (int k = 1; k <= 9; ++k) {
        DrawTurnedFacelet(canvas, context, vars, FaceletAt(face, k), axis, phi);
      }
    }
    host.FrameDone();
  }
  RotateCubeState(vars, axis, q);
  DrawCube(canvas, context, vars);
}

}  // namespace rotalo
