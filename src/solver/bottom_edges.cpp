#include <array>
#include <string_view>

#include "model/moves.h"
#include "solver/stages.h"
#include "solver/turns.h"

namespace rotalo {

namespace {

constexpr int kBottom = 6;
constexpr std::array<int, 4> kBottomEdges{42, 44, 46, 48};

// Arrangements of the bottom edges (for slots 1..4 under sides 2..5, the
// slot where the edge now there belongs) and the cycles that sort them.
enum class Sort { CycleAOnStill, CycleBOnStill, Pair4321, Pair2143, Pair3412, Nothing };
struct ArrangementCase {
  std::string_view arrangement;
  Sort sort;
};
constexpr std::array<ArrangementCase, 12> kArrangements{{
    {"1342", Sort::CycleAOnStill},
    {"3241", Sort::CycleAOnStill},
    {"2431", Sort::CycleAOnStill},
    {"2314", Sort::CycleAOnStill},
    {"1423", Sort::CycleBOnStill},
    {"4213", Sort::CycleBOnStill},
    {"4132", Sort::CycleBOnStill},
    {"3124", Sort::CycleBOnStill},
    {"4321", Sort::Pair4321},
    {"2143", Sort::Pair2143},
    {"3412", Sort::Pair3412},
    {"1234", Sort::Nothing},
}};

// The five turns that, around c quarter turns of side face f, flip edges; l
// and r are the side faces after and before f.
void FlipGroup(Vars& vars, int f, int l, int r, int c) {
  ApplyTurns(vars, {{l, -1}, {r, 1}, {f, c}, {l, 1}, {r, -1}});
}

void FlipAll(Vars& vars) {
  ApplyTurns(vars, {{5, -1},
                    {3, 1},
                    {4, 2},
                    {5, 1},
                    {3, -1},
                    {6, 2},
                    {5, -1},
                    {3, 1},
                    {4, 1},
                    {5, 1},
                    {3, -1},
                    {6, 2},
                    {5, -1},
                    {3, 1},
                    {4, 2},
                    {5, 1},
                    {3, -1},
                    {6, -1}});
}

// Flips the two opposite bottom edges under side face f and the side face
// opposite it.
void FlipOpposite(Vars& vars, int f) {
  const int l = NextSide(f, 1);
  const int r = NextSide(f, -1);
  FlipGroup(vars, f, l, r, 1);
  TurnFace(vars, 6, 1);
  FlipGroup(vars, f, l, r, 1);
  TurnFace(vars, 6, 1);
  FlipGroup(vars, f, l, r, 2);
  TurnFace(vars, 6, 1);
  FlipGroup(vars, f, l, r, 1);
  TurnFace(vars, 6, 1);
  FlipGroup(vars, f, l, r, 1);
  TurnFace(vars, 6, 2);
}

// Flips the two bottom edges that come before the one under side face f in
// the order 42, 44, 46, 48.
void FlipAdjacent(Vars& vars, int f) {
  const int l = NextSide(f, 1);
  const int r = NextSide(f, -1);
  FlipGroup(vars, f, l, r, 1);
  TurnFace(vars, 6, -1);
  FlipGroup(vars, f, l, r, -1);
  TurnFace(vars, 6, -1);
  FlipGroup(vars, f, l, r, 2);
  EdgeCycleB(vars, NextSide(f, -1));
}

// The side face above bottom facelet j.
int SideAbove(int j) {
  return SideOfBottom(j - 40);
}

}  // namespace

void EdgeCycleA(Vars& vars, int k) {
  const int a = NextSide(k, 1);
  const int b = NextSide(k, -1);
  ApplyTurns(vars, {{a, -1}, {b, 1}, {k, -1}, {a, 1}, {b, -1}, {6, 2}, {a, -1}, {b, 1}, {k, -1}, {a, 1}, {b, -1}});
}

void EdgeCycleB(Vars& vars, int k) {
  const int a = NextSide(k, 1);
  const int b = NextSide(k, -1);
  ApplyTurns(vars, {{a, -1}, {b, 1}, {k, 1}, {a, 1}, {b, -1}, {6, 2}, {a, -1}, {b, 1}, {k, 1}, {a, 1}, {b, -1}});
}

// Bottom edge slots k = 1..4 lie under side faces k + 1. The edges are first
// brought to their slots by three-cycles (an odd arrangement cannot be sorted
// and is reported as SwapFault), then pairs of edges the wrong way up are
// flipped (an odd number of them is reported as FlipFault).
void SolveBottomEdges(Vars& vars, Faults& faults) {
  std::array<int, 5> home{};
  for (int j : kBottomEdges) {
    const int k = SideAbove(j) - 1;
    int v = vars.current()[j];
    if (v == kBottom) {
      v = vars.current()[Companion(j, 1)];
    }
    home[k] = v - 1;
  }
  char digits[4];
  for (int k = 1; k <= 4; ++k) {
    const int h = home[k];
    digits[k - 1] = (h >= 0 && h <= 9) ? static_cast<char>('0' + h) : '?';
  }
  const std::string_view arrangement(digits, 4);

  // The side face above the one edge that is already home.
  int still = 0;
  for (int k = 1; k <= 4 && still == 0; ++k) {
    if (home[k] == k) {
      still = k + 1;
    }
  }
  faults.SwapFault = 1;
  for (const ArrangementCase& entry : kArrangements) {
    if (entry.arrangement != arrangement) {
      continue;
    }
    faults.SwapFault = 0;
    switch (entry.sort) {
      case Sort::CycleAOnStill:
        EdgeCycleA(vars, still);
        break;
      case Sort::CycleBOnStill:
        EdgeCycleB(vars, still);
        break;
      case Sort::Pair4321:
        EdgeCycleB(vars, 2);
        EdgeCycleB(vars, 3);
        break;
      case Sort::Pair2143:
        EdgeCycleB(vars, 2);
        EdgeCycleA(vars, 4);
        break;
      case Sort::Pair3412:
        EdgeCycleB(vars, 2);
        EdgeCycleB(vars, 5);
        break;
      case Sort::Nothing:
        break;
    }
    break;
  }

  // Flips: Y for an edge whose bottom colour faces down, N otherwise.
  std::array<char, 4> flips{};
  faults.FlipFault = 0;
  for (int n = 0; n < 4; ++n) {
    const bool down = vars.current()[kBottomEdges[n]] == kBottom;
    flips[n] = down ? 'Y' : 'N';
    if (!down) {
      faults.FlipFault = static_cast<Int16>((faults.FlipFault + 1) % 2);
    }
  }
  const std::string_view pattern(flips.data(), 4);
  if (pattern == "NNNN") {
    FlipAll(vars);
  } else if (pattern == "NYNY" || pattern == "YNYN") {
    const int j = flips[0] == 'N' ? 42 : 44;
    FlipOpposite(vars, SideAbove(j));
  } else if (pattern == "YYNN" || pattern == "YNNY" || pattern == "NYYN" || pattern == "NNYY") {
    for (int n = 0; n < 4; ++n) {
      if (flips[n] == 'Y' && flips[(n + 3) % 4] == 'N') {
        FlipAdjacent(vars, SideAbove(kBottomEdges[n]));
        break;
      }
    }
  }
}

}  // namespace rotalo
