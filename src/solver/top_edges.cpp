#include "model/moves.h"
#include "solver/stages.h"
#include "solver/turns.h"

namespace rotalo {

// Each top edge in turn (facelets 2, 4, 6, 8, touching faces 3, 4, 5, 2) is
// looked up by its colours and brought home by a sequence chosen by where its
// top colour lies. Turn counts are plain differences of face numbers; the top
// face is only ever turned in pairs (1, x) ... (1, -x), so edges placed
// earlier come back to their places.
void SolveTopEdges(Vars& vars) {
  for (int i = 2; i <= 8; i += 2) {
    const int pos = Locate(vars, i);
    if (pos < 1) {
      continue;  // not a real cube: there is no such piece to place
    }
    const int c = vars.current()[Companion(pos, 1)];  // side face it belongs above
    const int p = (pos - 1) % 8 + 1;                  // position on its face
    const int f = (pos - p) / 8 + 1;                  // face holding the top colour

    if (f == 1) {  // on the top face, in the wrong place
      if (pos == i) {
        continue;
      }
      const int s = SideOfTop(pos);
      ApplyTurns(vars, {{s, 1}, {1, s - c}, {s, -1}, {1, c - s}});
    } else if (f == 6) {  // on the bottom face, facing down
      const int sb = SideOfBottom(pos - 40);
      ApplyTurns(vars, {{6, sb - c}, {c, 2}});
    } else {
      switch (p) {
        case 2:  // side top row: in the top layer but flipped
          TurnFace(vars, f, 1);
          [[fallthrough]];
        case 4:  // middle row, beside NextSide(f, -1)
          ApplyTurns(vars, {{1, f - c - 1}, {NextSide(f, -1), 1}, {1, c - f + 1}});
          break;
        case 8:  // middle row, beside NextSide(f, 1)
          ApplyTurns(vars, {{1, f - c + 1}, {NextSide(f, 1), -1}, {1, c - f - 1}});
          break;
        case 6:  // side bottom row
          ApplyTurns(vars, {{6, f - c - 1}, {NextSide(c, 1), -1}, {c, 1}, {NextSide(c, 1), 1}});
          break;
        default:
          break;  // a corner facelet cannot hold an edge
      }
    }
  }
}

}  // namespace rotalo
