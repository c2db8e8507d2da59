// The random scramble of the cube shown.
#pragma once

#include <functional>

#include "model/cube.h"

namespace rotalo {

inline constexpr int kJumbleTurns = 20;

// Twenty clockwise quarter turns of faces drawn at random, face
// floor(r * 6 + 1) for each uniform r in [0, 1) that `random` returns. The turns
// are not kept in MoveString, which is left empty, and the scrambled cube is
// copied into buffer 0 as the new starting position.
void JumbleCube(Vars& vars, const std::function<float()>& random);

}  // namespace rotalo
