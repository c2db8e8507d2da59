#include "model/jumble.h"

#include <algorithm>
#include <cmath>

#include "model/moves.h"

namespace rotalo {

void JumbleCube(Vars& vars, const std::function<float()>& random) {
  for (int n = 0; n < kJumbleTurns; ++n) {
    // A source that strays outside [0, 1), or gives no number, still gives a
    // face.
    const double f = std::floor(static_cast<double>(random()) * 6.0 + 1.0);
    const int face = f >= 1.0 ? static_cast<int>(std::min(f, 6.0)) : 1;
    TurnFace(vars, face, 1);
  }
  vars.MoveString.clear();
  CopyBuffer(vars, vars.CurBuffer, 0);
}

}  // namespace rotalo
