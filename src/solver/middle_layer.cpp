#include "model/moves.h"
#include "solver/stages.h"
#include "solver/turns.h"

namespace rotalo {

namespace {

constexpr int kBottom = 6;

// A real cube needs at most seven sweeps; this bound only stops a cube that
// never passed the entry checks from sweeping for ever.
constexpr int kMaxSweeps = 64;

bool SlotHome(const Vars& vars, int k) {
  const Buffer& cube = vars.current();
  return cube[8 * k] == k && cube[Companion(8 * k, 1)] == NextSide(k, 1);
}

// Inserts the edge under side k whose side colour is x: X into the slot of
// the side before x, Y into the slot of side x.
void InsertX(Vars& vars, int k, int x) {
  const int left = NextSide(x, -1);
  ApplyTurns(vars, {{6, k - x - 1}, {left, -1}, {6, 1}, {left, 1}, {6, 1}, {x, 1}, {6, -1}, {x, -1}});
}

void InsertY(Vars& vars, int k, int x) {
  const int right = NextSide(x, 1);
  ApplyTurns(vars, {{6, k - x + 1}, {right, 1}, {6, -1}, {right, -1}, {6, -1}, {x, -1}, {6, 1}, {x, 1}});
}

// Takes the wrong edge out of the slot between side k and the next side.
void TakeOutZ(Vars& vars, int k) {
  const int next = NextSide(k, 1);
  ApplyTurns(vars, {{k, -1}, {6, 1}, {k, 1}, {6, 1}, {next, 1}, {6, -1}, {next, -1}});
}

// Takes out the first middle edge that sits in a wrong slot or flipped;
// false when there is none.
bool TakeOutWrongEdge(Vars& vars) {
  for (int k = 2; k <= 5; ++k) {
    const int x = vars.current()[8 * k];
    const int y = vars.current()[Companion(8 * k, 1)];
    if (x != kBottom && y != kBottom && !(x == k && y == NextSide(k, 1))) {
      TakeOutZ(vars, k);
      return true;
    }
  }
  return false;
}

}  // namespace

// The middle slot between side k and the next side is facelet 8k and its
// partner. Sweeps over the bottom layer insert every middle edge found there;
// when a sweep finds none, a wrong or flipped middle edge is taken out into
// the bottom layer for the next sweep. `placed` counts edges done.
void SolveMiddleLayer(Vars& vars) {
  int placed = 0;
  for (int k = 2; k <= 5; ++k) {
    placed += SlotHome(vars, k) ? 1 : 0;
  }
  int sweeps = 0;
  do {
    bool moved = false;
    for (int k = 2; k <= 5; ++k) {
      const int facelet = 8 * (k - 1) + 6;
      const int x = vars.current()[facelet];
      const int y = vars.current()[Companion(facelet, 1)];
      if (x != kBottom && y != kBottom) {
        moved = true;
        ++placed;
        if (x == NextSide(y, 1)) {
          InsertX(vars, k, x);
        } else {
          InsertY(vars, k, x);
        }
      }
    }
    if (!moved) {
      // Nothing was inserted. On a real cube with edges still to place, one of
      // them sits in a wrong slot or is flipped: take it out. Otherwise the
      // cube cannot change any more and was never a real cube.
      if (placed >= 4 || !TakeOutWrongEdge(vars)) {
        return;
      }
    }
  } while (placed != 4 && ++sweeps < kMaxSweeps);
}

}  // namespace rotalo
