#include "model/jumble.h"

#include <algorithm>
#include <cmath>

#include "model/moves.h"

namespace rotalo {

void JumbleCube(Vars& vars, const std::function<float()>& random) {
  for (int n = 0; n < kJumbleTurns; ++n) {
    const double r = random();
    // A source that strays outside [0, 1) still gives a face.
    const int face = std::clamp(static_cast<int>(std::floor(r * 6.0 + 1.0)), 1, 6);
    TurnFace(vars, face, 1);
  }
  vars.MoveString.clear();
  CopyBuffer(vars, vars.CurBuffer, 0);
}

}  // namespace rotalo
