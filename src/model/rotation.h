// Whole-cube rotation of the stored cube about the axis of a visible face.
#pragma once

#include "model/cube.h"

namespace rotalo {

// The face opposite face f (1-6, 2-4, 3-5); 0 for anything else.
Int16 OppositeFace(int face);

// Rotates the stored cube a quarter turn about the axis through face 1, 4 or
// 5, in the sense in which that face turns clockwise (q = 1) or anticlockwise
// (q = -1, or 3), so that afterwards every facelet number again names the
// same place on screen. The two outer layers turn with TurnFace (and are
// recorded while RecordMoves is 1); the middle layer, centres included, is
// carried round with them. Any other axis or q changes nothing and returns
// false.
bool RotateCubeState(Vars& vars, int axis, int q);

}  // namespace rotalo
