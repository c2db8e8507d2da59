#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>

#include "model/moves.h"
#include "solver/stages.h"
#include "support/cubes.h"

namespace rotalo {
namespace {

using testing::TurnedVars;
using Four = std::array<int, 4>;

// The solved cube with its bottom layer taken apart and put back: slot k
// (1..4) receives the corner of slot corners[k] with its bottom colour
// twist[k] steps round, and the edge of slot edges[k], turned over where
// flip[k] is 1. Corner slots have bottom facelets 41, 43, 45, 47; edge slots
// lie under the sides 2..5, at bottom facelets 46, 44, 42, 48.
Vars WithBottomLayer(const Four& corners, const Four& twist, const Four& edges = {1, 2, 3, 4},
                     const Four& flip = {0, 0, 0, 0}) {
  Vars vars = TurnedVars("");
  const Buffer solved = vars.current();
  constexpr int kEdgeBottom[] = {0, 46, 44, 42, 48};
  for (int k = 1; k <= 4; ++k) {
    const int from = 39 + 2 * corners[k - 1];
    for (int m = 0; m < 3; ++m) {
      vars.current()[Companion(39 + 2 * k, m + twist[k - 1])] = solved[Companion(from, m)];
    }
    const int edge = kEdgeBottom[edges[k - 1]];
    const int bottom = kEdgeBottom[k];
    vars.current()[flip[k - 1] ? Companion(bottom, 1) : bottom] = solved[edge];
    vars.current()[flip[k - 1] ? bottom : Companion(bottom, 1)] = solved[Companion(edge, 1)];
  }
  return vars;
}

// Whether every facelet is home but, perhaps, the bottom edges.
bool HomeButBottomEdges(const Vars& vars) {
  for (int i = 1; i <= kFacelets; ++i) {
    const bool bottomEdge = i <= 48 && i % 2 == 0 && (HomeFace(i) == 6 || HomeFace(Companion(i, 1)) == 6);
    if (!bottomEdge && vars.current()[i] != HomeFace(i)) {
      return false;
    }
  }
  return true;
}

// What the given procedure records for each slot in turn, from the solved cube.
std::string Recorded(void (*procedure)(Vars&, int), std::initializer_list<int> slots) {
  Vars vars = TurnedVars("");
  for (int k : slots) {
    procedure(vars, k);
  }
  return vars.MoveString;
}

TEST(SolveBottomCorners, EveryArrangementIsPutRightOrItsTwistReported) {
  Four order{1, 2, 3, 4};
  do {
    for (int code = 0; code < 81; ++code) {
      const Four twist{code % 3, code / 3 % 3, code / 9 % 3, code / 27 % 3};
      Vars vars = WithBottomLayer(order, twist);
      Faults faults;
      SolveBottomCorners(vars, faults);
      const int fault = (twist[0] + twist[1] + twist[2] + twist[3]) % 3;
      const std::string name = ::testing::PrintToString(order) + " twist " + std::to_string(code);
      ASSERT_EQ(faults.TwistFault, fault) << name;
      ASSERT_TRUE(fault != 0 || HomeButBottomEdges(vars)) << name;
      ASSERT_LE(TokenCount(vars.MoveString), 26);
    }
  } while (std::next_permutation(order.begin(), order.end()));
}

TEST(SolveBottomCorners, WorkedCases) {
  struct Case {
    Four twist;
    std::string expected;
    int fault;
  };
  const Case cases[] = {
      {{1, 1, 1, 0}, "60 " + Recorded(CornerTwistA, {4}), 0},  // after the alignment turn
      {{1, 2, 1, 2}, "60 " + Recorded(CornerTwistB, {2, 4}), 0},
      {{2, 1, 2, 1}, "60 " + Recorded(CornerTwistB, {1, 3}), 0},
      {{1, 0, 0, 0}, "60 ", 1},  // one corner twisted: left, and reported
      {{2, 0, 0, 0}, "60 ", 2},
  };
  for (const Case& c : cases) {
    Vars vars = WithBottomLayer({1, 2, 3, 4}, c.twist);
    Faults faults;
    faults.TwistFault = 2;
    SolveBottomCorners(vars, faults);
    EXPECT_EQ(vars.MoveString, c.expected);
    EXPECT_EQ(faults.TwistFault, c.fault);
  }
  Vars turned = TurnedVars(testing::Moves("61"));  // the bottom face a quarter turn off
  Faults faults;
  SolveBottomCorners(turned, faults);
  EXPECT_EQ(turned.MoveString, "63 ");
}

TEST(SolveBottomEdges, EveryArrangementAndFlipIsSortedOrReported) {
  Four order{1, 2, 3, 4};
  do {
    const int inversions = (order[0] > order[1]) + (order[0] > order[2]) + (order[0] > order[3]) +
                           (order[1] > order[2]) + (order[1] > order[3]) + (order[2] > order[3]);
    for (int code = 0; code < 16; ++code) {
      const Four flip{code & 1, code >> 1 & 1, code >> 2 & 1, code >> 3 & 1};
      const int flips = flip[0] + flip[1] + flip[2] + flip[3];
      Vars vars = WithBottomLayer({1, 2, 3, 4}, {0, 0, 0, 0}, order, flip);
      Faults faults{0, 1, 1};
      SolveBottomEdges(vars, faults);
      const std::string name = ::testing::PrintToString(order) + " flips " + std::to_string(code);
      ASSERT_EQ(faults, (Faults{0, static_cast<Int16>(inversions % 2), static_cast<Int16>(flips % 2)})) << name;
      ASSERT_TRUE(HomeButBottomEdges(vars)) << name;
      ASSERT_TRUE(faults.Any() || IsSolved(vars.current())) << name;
      // Flips are mended even when two edges are exchanged; with an odd flip
      // and nothing that can be sorted, or nothing wrong, nothing is done.
      const Buffer& cube = vars.current();
      ASSERT_TRUE(flips % 2 == 1 || (cube[42] == 6 && cube[44] == 6 && cube[46] == 6 && cube[48] == 6)) << name;
      const bool nothingToSort = faults.SwapFault == 1 || order == Four{1, 2, 3, 4};
      ASSERT_TRUE(!nothingToSort || (faults.FlipFault == 0 && code != 0) || vars.MoveString.empty()) << name;
      ASSERT_LE(TokenCount(vars.MoveString), 52);
      if (order == Four{1, 3, 4, 2} && code == 0) {  // slot 1 already home: the other three carried round it
        ASSERT_EQ(vars.MoveString.rfind(Recorded(EdgeCycleA, {2}), 0), 0u) << vars.MoveString;
      }
    }
  } while (std::next_permutation(order.begin(), order.end()));
}

}  // namespace
}  // namespace rotalo
