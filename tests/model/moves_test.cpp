#include "model/moves.h"

#include <gtest/gtest.h>

#include <random>

#include "support/cubes.h"

namespace rotalo {
namespace {

using testing::SolvedVars;

// Each face's clockwise quarter turn as five 4-cycles: the colour at each
// facelet moves on to the next one of its cycle.
constexpr int kQuarterTurnCycles[7][5][4] = {
    {},
    {{1, 3, 5, 7}, {2, 4, 6, 8}, {9, 17, 25, 33}, {10, 18, 26, 34}, {11, 19, 27, 35}},
    {{9, 11, 13, 15}, {10, 12, 14, 16}, {1, 33, 47, 21}, {7, 39, 45, 19}, {8, 40, 46, 20}},
    {{17, 19, 21, 23}, {18, 20, 22, 24}, {1, 15, 43, 27}, {2, 16, 44, 28}, {3, 9, 45, 29}},
    {{25, 27, 29, 31}, {26, 28, 30, 32}, {3, 23, 41, 35}, {4, 24, 42, 36}, {5, 17, 43, 37}},
    {{33, 35, 37, 39}, {34, 36, 38, 40}, {5, 31, 47, 11}, {6, 32, 48, 12}, {7, 25, 41, 13}},
    {{41, 43, 45, 47}, {42, 44, 46, 48}, {13, 37, 29, 21}, {14, 38, 30, 22}, {15, 39, 31, 23}},
};

TEST(TurnFace, QuarterTurnMovesTwentyFaceletsInFiveCyclesAndLargerTurnsRepeatIt) {
  for (int face = 1; face <= 6; ++face) {
    Vars repeated = testing::NumberedVars();
    Buffer expected = repeated.Facelet[0];
    for (const auto& cycle : kQuarterTurnCycles[face]) {
      for (int n = 0; n < 4; ++n) {
        expected[cycle[(n + 1) % 4]] = repeated.Facelet[0][cycle[n]];
      }
    }
    for (int t = 1; t <= 4; ++t) {
      TurnFace(repeated, face, 1);
      Vars once = testing::NumberedVars();
      TurnFace(once, face, t);
      EXPECT_EQ(once.current(), t == 1 ? expected : repeated.current()) << "face " << face << " turn " << t;
    }
    EXPECT_EQ(repeated.current(), repeated.Facelet[0]);  // four quarter turns restore the cube
  }
}

TEST(TurnFace, ReducesTheTurnCountAndRecordsItWhileRecordMovesIsOne) {
  Vars vars = SolvedVars();
  for (const auto& [face, turn] : {std::pair{1, -1}, {2, 6}, {3, -8}, {5, 9}, {4, 0}}) {
    TurnFace(vars, face, turn);
  }
  EXPECT_EQ(vars.MoveString, "13 22 30 51 40 ");  // a turn of nothing is recorded too
  for (Int16 flag : {Int16{0}, Int16{2}, Int16{-1}}) {
    Vars off = SolvedVars();
    off.RecordMoves = flag;
    TurnFace(off, 3, 1);
    EXPECT_EQ(off.MoveString, "") << flag;
  }
}

TEST(TurnFace, NeverWritesBufferZeroAndKeepsThePositionBefore) {
  Vars vars = SolvedVars();
  for (int n = 0; n < 5; ++n) {
    const Vars before = vars;
    TurnFace(vars, n + 1, 1);
    EXPECT_NE(vars.CurBuffer, 0);
    EXPECT_EQ(vars.Facelet[before.CurBuffer], before.current());
  }
  EXPECT_TRUE(IsSolved(vars.Facelet[0]) && !IsSolved(vars.current()));
  Vars outside = SolvedVars();  // a face outside 1..6 changes nothing
  for (int face : {0, 7, -1}) {
    TurnFace(outside, face, 1);
  }
  EXPECT_TRUE(outside.CurBuffer == 0 && outside.MoveString.empty());
}

TEST(Locate, FindsEachPieceWithTheColourAndOrientationOfItsHomeFacelet) {
  std::mt19937 rng(11);
  for (int n = 0; n < 50; ++n) {
    Vars vars = testing::TurnedVars(testing::RandomMoves(rng, 20));
    for (int home = 1; home <= 48; ++home) {
      const int at = Locate(vars, home);
      ASSERT_GE(at, 1);
      for (int m = 0; m < 3; ++m) {
        EXPECT_EQ(vars.current()[Companion(at, m)], HomeFace(Companion(home, m)));
      }
    }
  }
  Vars vars = SolvedVars();
  vars.current()[2] = 3;  // the top/face-3 edge now reads 3/3: it is nowhere
  EXPECT_TRUE(Locate(vars, 2) == -1 && Locate(vars, 0) == -1 && Locate(vars, 49) == -1);
}

TEST(MoveStrings, AreReadDigitByDigitWithMarkersAsFaceZero) {
  const std::string moves = "21 AA 63 BB ";
  EXPECT_EQ(TokenCount(moves), 4);
  EXPECT_TRUE(TokenAt(moves, 1).face == 2 && TokenAt(moves, 1).turn == 1 && !TokenAt(moves, 1).IsMarker());
  EXPECT_TRUE(TokenAt(moves, 2).face == 0 && TokenAt(moves, 2).IsMarker());
  EXPECT_EQ(TokenAt(moves, 3).turn, 3);
  EXPECT_EQ(TokenAt(moves, 5).face, 0);  // past the end
  EXPECT_EQ(TrimmedMoves(moves), "21 AA 63 BB");
}

TEST(ParseTurnList, AcceptsTwoDigitTokensSeparatedBySingleSpacesOnly) {
  std::vector<TurnRequest> turns;
  std::string error;
  ASSERT_TRUE(ParseTurnList("21 43 69", turns, error));
  ASSERT_EQ(turns.size(), 3u);
  EXPECT_TRUE(turns[2].face == 6 && turns[2].turn == 9);
  ASSERT_TRUE(ParseTurnList("", turns, error));
  EXPECT_TRUE(turns.empty());
  for (const char* text : {"71", "01", "2", "213", "21  43", "21 ", " 21", "2x", "A1", "21,43"}) {
    turns.assign(1, {1, 1});
    EXPECT_FALSE(ParseTurnList(text, turns, error)) << text;
    EXPECT_NE(error.find("bad token"), std::string::npos) << text;
    EXPECT_TRUE(turns.empty());
  }
}

}  // namespace
}  // namespace rotalo
