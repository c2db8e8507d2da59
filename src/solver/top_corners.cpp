#include "model/moves.h"
#include "solver/stages.h"
#include "solver/turns.h"

namespace rotalo {

// Each top corner in turn (facelets 1, 3, 5, 7) is looked up by its colours.
// A corner in the bottom layer is brought under its home place by a bottom
// turn and lifted in by a three-turn insertion; a corner in the top layer in
// the wrong place, or twisted, is first taken down into the bottom layer.
// a and b are the home faces of its second and third colours: the corner
// belongs above the edge between sides a and b.
void SolveTopCorners(Vars& vars) {
  for (int i = 1; i <= 7; i += 2) {
    const int pos = Locate(vars, i);
    if (pos < 1) {
      continue;  // not a real cube: there is no such piece to place
    }
    const int a = vars.current()[Companion(pos, 1)];
    const int b = vars.current()[Companion(pos, 2)];
    const int p = (pos - 1) % 8 + 1;
    const int f = (pos - p) / 8 + 1;
    const int afterA = NextSide(a, 1);
    const int beforeB = NextSide(b, -1);

    if (f == 1) {  // top colour up, but wrong place
      if (pos == i) {
        continue;
      }
      const int s = SideOfTop(pos);
      const int o = NextSide(s, 2);
      ApplyTurns(vars, {{s, -1}, {6, -1}, {s, 1}, {6, o - a - 1}, {afterA, 1}, {6, 1}, {afterA, -1}});
    } else if (f == 6) {  // top colour facing down
      const int sb = SideOfBottom(pos - 40);
      ApplyTurns(vars, {{6, sb - a - 1}, {a, -1}, {6, 1}, {a, 1}, {afterA, 1}, {6, 2}, {afterA, -1}});
    } else {
      switch (p) {
        case 5:  // bottom row, beside NextSide(f, -1)
          ApplyTurns(vars, {{6, f - a - 1}, {afterA, 1}, {6, 1}, {afterA, -1}});
          break;
        case 7:  // bottom row, beside NextSide(f, 1)
          ApplyTurns(vars, {{6, f - b + 1}, {beforeB, -1}, {6, -1}, {beforeB, 1}});
          break;
        case 1: {  // top row, twisted or misplaced
          const int n = NextSide(f, 1);
          ApplyTurns(vars, {{f, -1}, {6, -1}, {f, 1}, {6, n - b + 1}, {beforeB, -1}, {6, -1}, {beforeB, 1}});
          break;
        }
        case 3: {
          const int before = NextSide(f, -1);
          ApplyTurns(vars, {{f, 1}, {6, 1}, {f, -1}, {6, before - a - 1}, {afterA, 1}, {6, 1}, {afterA, -1}});
          break;
        }
        default:
          break;  // an edge facelet cannot hold a corner
      }
    }
  }
}

}  // namespace rotalo
