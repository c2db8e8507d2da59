#include "model/rotation.h"

#include <array>

#include "model/moves.h"

namespace rotalo {

namespace {

// The middle layer of each axis as three 4-cycles for a clockwise rotation:
// the value at each facelet moves to the next one of its cycle.
using Cycles = std::array<std::array<Int16, 4>, 3>;

const Cycles* MiddleCycles(int axis) {
  static constexpr Cycles kAxis5{{{4, 30, 46, 10}, {8, 26, 42, 14}, {49, 52, 54, 50}}};
  static constexpr Cycles kAxis4{{{2, 22, 48, 34}, {6, 18, 44, 38}, {49, 51, 54, 53}}};
  static constexpr Cycles kAxis1{{{12, 20, 28, 36}, {16, 24, 32, 40}, {50, 51, 52, 53}}};
  switch (axis) {
    case 1:
      return &kAxis1;
    case 4:
      return &kAxis4;
    case 5:
      return &kAxis5;
    default:
      return nullptr;
  }
}

}  // namespace

Int16 OppositeFace(int face) {
  static constexpr std::array<Int16, 7> kOpposite{0, 6, 4, 5, 2, 3, 1};
  return (face >= 1 && face <= 6) ? kOpposite[face] : Int16{0};
}

bool RotateCubeState(Vars& vars, int axis, int q) {
  q = SignedTurn(q);
  const Cycles* cycles = MiddleCycles(axis);
  if (cycles == nullptr || (q != 1 && q != -1)) {
    return false;
  }
  TurnFace(vars, axis, q);
  TurnFace(vars, OppositeFace(axis), q + 2);

  const Buffer& from = NextWorkingBuffer(vars);
  Buffer& to = vars.current();
  for (const auto& cycle : *cycles) {
    for (int n = 0; n < 4; ++n) {
      const int next = (n + (q == 1 ? 1 : 3)) % 4;
      to[cycle[next]] = from[cycle[n]];
    }
  }
  return true;
}

}  // namespace rotalo
