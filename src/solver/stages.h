// The five solving stages. Each places one group of pieces with short turn
// sequences chosen by where the pieces are, turning the current cube with
// TurnFace, which records every turn into MoveString. There is no search.
//
// The stages expect a cube in home-face form that passed the entry checks;
// given anything else they still return, never read outside the cube and
// never loop without end, but leave the cube unsolved.
#pragma once

#include "model/cube.h"

namespace rotalo {

// What the two bottom-layer stages find on a cube that was put together
// wrongly: the twist of the bottom corners (0, or 1 / 2 when one corner must
// be turned), an odd arrangement of the bottom edges, an odd number of
// flipped bottom edges.
struct Faults {
  Int16 TwistFault = 0;
  Int16 SwapFault = 0;
  Int16 FlipFault = 0;
  bool Any() const { return TwistFault != 0 || SwapFault != 0 || FlipFault != 0; }
  friend bool operator==(const Faults&, const Faults&) = default;
};

// Top layer: the four edges, then the four corners of face 1.
void SolveTopEdges(Vars& vars);
void SolveTopCorners(Vars& vars);
// The four edges between the side faces.
void SolveMiddleLayer(Vars& vars);
// The bottom corners, placed then turned; sets faults.TwistFault.
void SolveBottomCorners(Vars& vars, Faults& faults);
// The bottom edges, placed then flipped; sets faults.SwapFault and FlipFault.
void SolveBottomEdges(Vars& vars, Faults& faults);

// Turn the three bottom corners other than the one in slot k (1..4) in place.
void CornerTwistA(Vars& vars, int k);
void CornerTwistB(Vars& vars, int k);
// Carry the three bottom edges other than the one under side face k (2..5)
// round, one way or the other.
void EdgeCycleA(Vars& vars, int k);
void EdgeCycleB(Vars& vars, int k);

}  // namespace rotalo
