#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "model/moves.h"
#include "solver/stages.h"
#include "support/cubes.h"

namespace rotalo {
namespace {

using testing::Moves;
using testing::TurnedVars;

// Bottom corner slot k: its bottom facelet and the two others round it.
std::array<int, 3> CornerSlot(int k) {
  const int bottom = 39 + 2 * k;
  return {bottom, Companion(bottom, 1), Companion(bottom, 2)};
}

// The solved cube with bottom corners moved: slot k receives the corner of
// slot from[k], its bottom colour `twist[k]` steps round the slot.
Vars WithBottomCorners(const std::array<int, 4>& from, const std::array<int, 4>& twist) {
  Vars vars = TurnedVars("");
  const Buffer solved = vars.current();
  for (int k = 1; k <= 4; ++k) {
    const auto to = CornerSlot(k);
    const auto source = CornerSlot(from[k - 1]);
    for (int m = 0; m < 3; ++m) {
      vars.current()[to[(m + twist[k - 1]) % 3]] = solved[source[m]];
    }
  }
  return vars;
}

// Bottom edge slot k (under side k + 1): bottom facelet, side facelet.
std::array<int, 2> EdgeSlot(int k) {
  static constexpr int kBottomFacelet[] = {0, 46, 44, 42, 48};
  return {kBottomFacelet[k], Companion(kBottomFacelet[k], 1)};
}

// The solved cube with bottom edges moved: slot k receives the edge of slot
// from[k], flipped where flip[k] is set.
Vars WithBottomEdges(const std::array<int, 4>& from, const std::array<bool, 4>& flip) {
  Vars vars = TurnedVars("");
  const Buffer solved = vars.current();
  for (int k = 1; k <= 4; ++k) {
    const auto to = EdgeSlot(k);
    const auto source = EdgeSlot(from[k - 1]);
    const bool f = flip[k - 1];
    vars.current()[to[0]] = solved[source[f ? 1 : 0]];
    vars.current()[to[1]] = solved[source[f ? 0 : 1]];
  }
  return vars;
}

bool BottomCornersHome(const Vars& vars) {
  for (int k = 1; k <= 4; ++k) {
    for (int facelet : CornerSlot(k)) {
      if (vars.current()[facelet] != HomeFace(facelet)) {
        return false;
      }
    }
  }
  return true;
}

TEST(SolveBottomCorners, CornersAtHomeRecordOnlyTheAlignmentTurn) {
  Vars vars = TurnedVars("");
  Faults faults;
  faults.TwistFault = 2;
  SolveBottomCorners(vars, faults);
  EXPECT_EQ(vars.MoveString, "60 ");
  EXPECT_EQ(faults.TwistFault, 0);
}

TEST(SolveBottomCorners, BottomFaceAQuarterTurnOffNeedsOneTurn) {
  Vars vars = TurnedVars(Moves("61"));
  Faults faults;
  SolveBottomCorners(vars, faults);
  EXPECT_EQ(vars.MoveString, "63 ");
  EXPECT_TRUE(IsSolved(vars.current()));
}

TEST(SolveBottomCorners, EachArrangementHasItsOwnSequence) {
  struct Case {
    std::array<int, 4> from;  // which corner each slot holds
    const char* order;
    const char* tokens;
  };
  const Case cases[] = {
      {{1, 2, 4, 3}, "1243", "53 63 51 21 61 23 53 61 51"}, {{1, 4, 2, 3}, "1342", "33 63 31 41 61 43 33 61 31"},
      {{1, 3, 2, 4}, "1324", "23 63 21 31 61 33 23 61 21"}, {{1, 3, 4, 2}, "1423", "43 63 41 51 61 53 43 61 41"},
      {{1, 4, 3, 2}, "1432", "43 63 33 61 31 41"},
  };
  for (const Case& c : cases) {
    Vars vars = WithBottomCorners(c.from, {0, 0, 0, 0});
    Faults faults;
    SolveBottomCorners(vars, faults);
    EXPECT_EQ(vars.MoveString.substr(0, std::string(c.tokens).size() + 1), Moves(c.tokens)) << c.order;
    EXPECT_TRUE(BottomCornersHome(vars)) << c.order;
    EXPECT_EQ(faults.TwistFault, 0) << c.order;
  }
}

TEST(SolveBottomCorners, TwistPatternsChooseTheirSequences) {
  struct Case {
    std::array<int, 4> twist;
    const char* tokens;  // after the alignment turn "60"
  };
  const Case cases[] = {
      {{1, 1, 1, 0}, "43 63 41 63 43 62 41 62"},                          // A(4)
      {{0, 2, 2, 2}, "62 33 62 31 61 33 61 31"},                          // B(1)
      {{1, 2, 1, 2}, "62 23 62 21 61 23 61 21 62 43 62 41 61 43 61 41"},  // B(2), B(4)
      {{2, 1, 2, 1}, "62 33 62 31 61 33 61 31 62 53 62 51 61 53 61 51"},  // B(1), B(3)
  };
  for (const Case& c : cases) {
    Vars vars = WithBottomCorners({1, 2, 3, 4}, c.twist);
    Faults faults;
    SolveBottomCorners(vars, faults);
    EXPECT_EQ(vars.MoveString, Moves(std::string("60 ") + c.tokens));
    EXPECT_TRUE(BottomCornersHome(vars));
    EXPECT_EQ(faults.TwistFault, 0);
  }
}

TEST(SolveBottomCorners, EveryTwistPatternWithAWholeTurnIsPutRight) {
  int patterns = 0;
  for (int code = 1; code < 81; ++code) {
    const std::array<int, 4> twist{code % 3, code / 3 % 3, code / 9 % 3, code / 27 % 3};
    if ((twist[0] + twist[1] + twist[2] + twist[3]) % 3 != 0) {
      continue;
    }
    ++patterns;
    Vars vars = WithBottomCorners({1, 2, 3, 4}, twist);
    Faults faults;
    SolveBottomCorners(vars, faults);
    EXPECT_TRUE(BottomCornersHome(vars)) << code;
    EXPECT_LE(TokenCount(vars.MoveString), 17);
  }
  EXPECT_EQ(patterns, 26);
}

TEST(SolveBottomCorners, OneTwistedCornerIsReportedAndLeft) {
  for (int steps = 1; steps <= 2; ++steps) {
    Vars vars = WithBottomCorners({1, 2, 3, 4}, {steps, 0, 0, 0});
    Faults faults;
    SolveBottomCorners(vars, faults);
    EXPECT_EQ(vars.MoveString, "60 ");
    EXPECT_EQ(faults.TwistFault, steps);
  }
}

TEST(CornerTwists, UseFaceThreeTwoFiveFourForSlotsOneToFour) {
  const char* faces = "3254";
  for (int k = 1; k <= 4; ++k) {
    Vars a = TurnedVars("");
    CornerTwistA(a, k);
    Vars b = TurnedVars("");
    CornerTwistB(b, k);
    const char f = faces[k - 1];
    std::string expectA = "x3 63 x1 63 x3 62 x1 62 ";
    std::string expectB = "62 x3 62 x1 61 x3 61 x1 ";
    for (std::string* s : {&expectA, &expectB}) {
      for (char& ch : *s) {
        ch = ch == 'x' ? f : ch;
      }
    }
    EXPECT_EQ(a.MoveString, expectA);
    EXPECT_EQ(b.MoveString, expectB);
  }
}

TEST(EdgeCycles, RecordTheirElevenTurnsForEachSide) {
  const char* cycleA[] = {"33 51 23 31 53 62 33 51 23 31 53", "43 21 33 41 23 62 43 21 33 41 23",
                          "53 31 43 51 33 62 53 31 43 51 33", "23 41 53 21 43 62 23 41 53 21 43"};
  const char* cycleB[] = {"33 51 21 31 53 62 33 51 21 31 53", "43 21 31 41 23 62 43 21 31 41 23",
                          "53 31 41 51 33 62 53 31 41 51 33", "23 41 51 21 43 62 23 41 51 21 43"};
  for (int k = 2; k <= 5; ++k) {
    Vars a = TurnedVars("");
    EdgeCycleA(a, k);
    EXPECT_EQ(a.MoveString, Moves(cycleA[k - 2]));
    Vars b = TurnedVars("");
    EdgeCycleB(b, k);
    EXPECT_EQ(b.MoveString, Moves(cycleB[k - 2]));
  }
}

TEST(SolveBottomEdges, SolvedBottomLayerRecordsNothing) {
  Vars vars = TurnedVars("");
  Faults faults;
  faults.SwapFault = 1;
  faults.FlipFault = 1;
  SolveBottomEdges(vars, faults);
  EXPECT_EQ(vars.MoveString, "");
  EXPECT_EQ(faults.SwapFault, 0);
  EXPECT_EQ(faults.FlipFault, 0);
}

TEST(SolveBottomEdges, EveryEvenArrangementIsSorted) {
  struct Case {
    std::array<int, 4> from;
    const char* first;  // the first tokens recorded
  };
  const Case cases[] = {
      {{1, 3, 4, 2}, "33 51 23 31 53 62 33 51 23 31 53"},  // "1342": EdgeCycleA(2)
      {{3, 2, 4, 1}, ""},
      {{2, 4, 3, 1}, ""},
      {{2, 3, 1, 4}, ""},
      {{1, 4, 2, 3}, "33 51 21 31 53 62"},  // "1423": EdgeCycleB(2)
      {{4, 2, 1, 3}, ""},
      {{4, 1, 3, 2}, ""},
      {{3, 1, 2, 4}, ""},
      {{4, 3, 2, 1}, "33 51 21 31 53 62 33 51 21 31 53 43 21 31"},
      {{2, 1, 4, 3}, "33 51 21 31 53 62 33 51 21 31 53 53 31 43"},
      {{3, 4, 1, 2}, "33 51 21 31 53 62 33 51 21 31 53 23 41 51"},
  };
  for (const Case& c : cases) {
    Vars vars = WithBottomEdges(c.from, {false, false, false, false});
    Faults faults;
    SolveBottomEdges(vars, faults);
    const std::string first = Moves(c.first);
    EXPECT_EQ(vars.MoveString.substr(0, first.size()), first);
    EXPECT_TRUE(IsSolved(vars.current())) << c.from[0] << c.from[1] << c.from[2] << c.from[3];
    EXPECT_EQ(faults.SwapFault, 0);
    EXPECT_EQ(faults.FlipFault, 0);
  }
}

TEST(SolveBottomEdges, TwoEdgesExchangedAreReportedAndFlipsStillMended) {
  Vars vars = WithBottomEdges({2, 1, 3, 4}, {false, true, false, true});
  Faults faults;
  SolveBottomEdges(vars, faults);
  EXPECT_EQ(faults.SwapFault, 1);
  EXPECT_EQ(faults.FlipFault, 0);
  // Slots 2 and 4 are facelets 44 and 48: flips "YNYN", face 3.
  EXPECT_EQ(vars.MoveString.substr(0, 18), Moves("43 21 31 41 23 61"));
}

TEST(SolveBottomEdges, FlipPatternsChooseTheirSequences) {
  struct Case {
    std::array<bool, 4> flip;  // slots 1..4 = facelets 46, 44, 42, 48
    const char* tokens;
  };
  const Case cases[] = {
      {{true, true, true, true}, "53 31 42 51 33 62 53 31 41 51 33 62 53 31 42 51 33 63"},  // NNNN
      {{true, false, true, false},
       "53 31 41 51 33 61 53 31 41 51 33 61 53 31 42 51 33 61 53 31 41 51 33 61 53 31 41 51 33 62"},  // NYNY
      {{false, true, false, true},
       "43 21 31 41 23 61 43 21 31 41 23 61 43 21 32 41 23 61 43 21 31 41 23 61 43 21 31 41 23 62"},  // YNYN
      {{true, false, false, true},
       "53 31 41 51 33 63 53 31 43 51 33 63 53 31 42 51 33 43 21 31 41 23 62 43 21 31 41 23"},  // YYNN
      {{false, true, true, false},
       "33 51 21 31 53 63 33 51 23 31 53 63 33 51 22 31 53 23 41 51 21 43 62 23 41 51 21 43"},  // NNYY: F = 2
  };
  for (const Case& c : cases) {
    Vars vars = WithBottomEdges({1, 2, 3, 4}, c.flip);
    Faults faults;
    SolveBottomEdges(vars, faults);
    EXPECT_EQ(vars.MoveString, Moves(c.tokens));
    EXPECT_TRUE(IsSolved(vars.current()));
    EXPECT_EQ(faults.FlipFault, 0);
  }
}

TEST(SolveBottomEdges, EveryEvenFlipPatternIsMended) {
  for (int code = 0; code < 16; ++code) {
    const std::array<bool, 4> flip{(code & 1) != 0, (code & 2) != 0, (code & 4) != 0, (code & 8) != 0};
    const int count = flip[0] + flip[1] + flip[2] + flip[3];
    Vars vars = WithBottomEdges({1, 2, 3, 4}, flip);
    Faults faults;
    SolveBottomEdges(vars, faults);
    EXPECT_EQ(faults.FlipFault, count % 2) << code;
    if (count % 2 == 0) {
      EXPECT_TRUE(IsSolved(vars.current())) << code;
    } else {
      EXPECT_EQ(vars.MoveString, "") << code;
    }
  }
}

}  // namespace
}  // namespace rotalo
