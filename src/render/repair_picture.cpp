#include "render/repair_picture.h"

#include "render/projection.h"
#include "render/turn_animation.h"

namespace rotalo {

void DrawRepairPicture(Canvas& canvas, const DrawContext& context, const Vars& vars, FrameHost& host, int a, int b,
                       int c, int d) {
  if (a != -1 && a != 1 && a != 2) {
    canvas.SetPenWidth(2);
    canvas.SetPenColour(0);
    return;
  }
  const int n = a == 2 ? 1 : context.StepsPerTurn();
  const int s = a > 0 ? 1 : -1;
  const int last = n * a;
  for (int i = a; s > 0 ? i <= last : i >= last; i += s) {
    canvas.Clear();
    float theta = static_cast<float>((kPi / 4) * i / n);
    if (a == 1) {
      theta = static_cast<float>(theta - kPi / 4);
    } else if (a == 2) {
      theta = static_cast<float>(-kPi / 4);
    }
    auto turned = [&](int facelet) { DrawTurnedFacelet(canvas, context, vars, facelet, 1, theta); };

    // The two lower layers at rest, the black cut, a hidden top row.
    for (int face : {4, 5}) {
      for (int k = 1; k <= 9; ++k) {
        const int facelet = FaceletAt(face, k);
        const float y = CellCorner(facelet).y;
        if (y == 1.0f || y == 2.0f) {
          DrawTurnedFacelet(canvas, context, vars, facelet, 1, 0);
        }
      }
    }
    DrawCutSquare(canvas, context, 1, 0);
    for (int facelet : a == -1 ? std::array<int, 3>{9, 10, 11} : std::array<int, 3>{17, 18, 19}) {
      turned(facelet);
    }
    // The front of the turned top layer, then its top.
    const auto front = [&] {
      if (b != 0) turned(25);
      if (d != 0) turned(26);
      turned(27);
    };
    front();
    if (b != 0) turned(35);
    if (c != 0) turned(34);
    turned(33);
    if (a == 1) {
      front();
    }
    for (int k = 1; k <= 9; ++k) {
      const int facelet = FaceletAt(1, k);
      if ((facelet == 4 && d == 0) || (facelet == 5 && b == 0) || (facelet == 6 && c == 0)) {
        continue;
      }
      turned(facelet);
    }
    host.ShowFrame();
    if (d == 0) {
      host.ProcessEventsOnce();
    }
  }
}

}  // namespace rotalo
