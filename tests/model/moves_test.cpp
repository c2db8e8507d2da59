#include "model/moves.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "support/cubes.h"

namespace rotalo {
namespace {

using testing::SolvedVars;

// Each face's clockwise quarter turn as five 4-cycles: the colour at each
// facelet moves on to the next one of its cycle.
constexpr std::array<std::array<std::array<int, 4>, 5>, 7> kQuarterTurnCycles{{
    {},
    {{{1, 3, 5, 7}, {2, 4, 6, 8}, {9, 17, 25, 33}, {10, 18, 26, 34}, {11, 19, 27, 35}}},
    {{{9, 11, 13, 15}, {10, 12, 14, 16}, {1, 33, 47, 21}, {7, 39, 45, 19}, {8, 40, 46, 20}}},
    {{{17, 19, 21, 23}, {18, 20, 22, 24}, {1, 15, 43, 27}, {2, 16, 44, 28}, {3, 9, 45, 29}}},
    {{{25, 27, 29, 31}, {26, 28, 30, 32}, {3, 23, 41, 35}, {4, 24, 42, 36}, {5, 17, 43, 37}}},
    {{{33, 35, 37, 39}, {34, 36, 38, 40}, {5, 31, 47, 11}, {6, 32, 48, 12}, {7, 25, 41, 13}}},
    {{{41, 43, 45, 47}, {42, 44, 46, 48}, {13, 37, 29, 21}, {14, 38, 30, 22}, {15, 39, 31, 23}}},
}};

// A cube whose every facelet carries its own number, so a turn shows where
// each one went.
TEST(TurnFace, QuarterTurnMovesTwentyFaceletsInFiveCycles) {
  for (int face = 1; face <= 6; ++face) {
    Vars vars = testing::NumberedVars();
    TurnFace(vars, face, 1);
    Buffer expected = vars.Facelet[0];
    for (const auto& cycle : kQuarterTurnCycles[face]) {
      for (int n = 0; n < 4; ++n) {
        expected[cycle[(n + 1) % 4]] = vars.Facelet[0][cycle[n]];
      }
    }
    EXPECT_EQ(vars.current(), expected) << "face " << face;
  }
}

TEST(TurnFace, HalfAndThreeQuarterTurnsRepeatTheQuarterTurn) {
  for (int face = 1; face <= 6; ++face) {
    for (int t = 2; t <= 3; ++t) {
      Vars once = testing::NumberedVars();
      TurnFace(once, face, t);
      Vars repeated = testing::NumberedVars();
      for (int n = 0; n < t; ++n) {
        TurnFace(repeated, face, 1);
      }
      EXPECT_EQ(once.current(), repeated.current()) << face << t;
    }
  }
}

TEST(TurnFace, FourQuarterTurnsOrTwoHalfTurnsRestoreTheCube) {
  std::mt19937 rng(7);
  Vars vars = testing::TurnedVars(testing::RandomMoves(rng, 25));
  const Buffer start = vars.current();
  for (int face = 1; face <= 6; ++face) {
    for (int n = 0; n < 4; ++n) {
      TurnFace(vars, face, 1);
    }
    EXPECT_EQ(vars.current(), start);
    TurnFace(vars, face, 2);
    TurnFace(vars, face, 2);
    EXPECT_EQ(vars.current(), start);
  }
}

TEST(TurnFace, ReducesTheTurnCountAndRecordsIt) {
  Vars minus = SolvedVars();
  TurnFace(minus, 1, -1);
  EXPECT_EQ(minus.MoveString, "13 ");
  Vars three = SolvedVars();
  TurnFace(three, 1, 3);
  EXPECT_EQ(three.current(), minus.current());

  Vars six = SolvedVars();
  TurnFace(six, 2, 6);
  EXPECT_EQ(six.MoveString, "22 ");
  TurnFace(six, 3, -8);
  TurnFace(six, 5, 9);
  EXPECT_EQ(six.MoveString, "22 30 51 ");
}

TEST(TurnFace, TurnOfNothingStillRecordsAndSwitchesBuffer) {
  Vars vars = SolvedVars();
  TurnFace(vars, 4, 0);
  EXPECT_EQ(vars.MoveString, "40 ");
  EXPECT_EQ(vars.CurBuffer, 1);
  EXPECT_TRUE(IsSolved(vars.current()));
}

TEST(TurnFace, RecordsOnlyWhenRecordMovesIsOne) {
  for (Int16 flag : {Int16{0}, Int16{2}, Int16{-1}}) {
    Vars vars = SolvedVars();
    vars.RecordMoves = flag;
    vars.MoveString = "11 ";
    TurnFace(vars, 3, 1);
    EXPECT_EQ(vars.MoveString, "11 ") << flag;
  }
}

TEST(TurnFace, AlternatesWorkingBuffersAndNeverWritesBufferZero) {
  Vars vars = SolvedVars();
  const Buffer start = vars.Facelet[0];
  const int expected[] = {1, 2, 1, 2, 1};
  for (int buffer : expected) {
    TurnFace(vars, 2, 1);
    EXPECT_EQ(vars.CurBuffer, buffer);
  }
  EXPECT_EQ(vars.Facelet[0], start);
  // The position before the last turn stays in the buffer just left.
  Vars before = vars;
  TurnFace(vars, 5, 1);
  EXPECT_EQ(vars.Facelet[before.CurBuffer], before.current());
}

TEST(TurnFace, FaceOutsideOneToSixChangesNothing) {
  Vars vars = SolvedVars();
  for (int face : {0, 7, -1, 100}) {
    TurnFace(vars, face, 1);
  }
  EXPECT_EQ(vars.CurBuffer, 0);
  EXPECT_TRUE(vars.MoveString.empty());
  EXPECT_TRUE(IsSolved(vars.current()));
}

TEST(Locate, FindsEveryPieceAtHomeOnTheSolvedCube) {
  const Vars vars = SolvedVars();
  for (int i = 1; i <= 48; ++i) {
    EXPECT_EQ(Locate(vars, i), i);
  }
}

TEST(Locate, FollowsThePiecesOfATopTurn) {
  Vars vars = SolvedVars();
  TurnFace(vars, 1, 1);
  EXPECT_EQ(Locate(vars, 2), 4);
  EXPECT_EQ(Locate(vars, 18), 26);
  EXPECT_EQ(Locate(vars, 1), 3);
  EXPECT_EQ(Locate(vars, 9), 17);
  EXPECT_EQ(Locate(vars, 19), 27);
}

TEST(Locate, ResultCarriesTheColourAndTheOrientationOfTheHomeFacelet) {
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
}

TEST(Locate, ReportsMinusOneForAPieceThatIsNowhere) {
  Vars vars = SolvedVars();
  vars.current()[2] = 3;  // the top/face-3 edge now reads 3/3
  EXPECT_EQ(Locate(vars, 2), -1);
  EXPECT_EQ(Locate(vars, 0), -1);
  EXPECT_EQ(Locate(vars, 49), -1);
}

TEST(MoveStrings, TokensAreReadDigitByDigitWithMarkersAsFaceZero) {
  const std::string moves = "21 AA 63 BB ";
  EXPECT_EQ(TokenCount(moves), 4);
  EXPECT_EQ(TokenAt(moves, 1).face, 2);
  EXPECT_EQ(TokenAt(moves, 1).turn, 1);
  EXPECT_TRUE(TokenAt(moves, 2).IsMarker());
  EXPECT_EQ(TokenAt(moves, 2).face, 0);
  EXPECT_EQ(TokenAt(moves, 3).turn, 3);
  EXPECT_EQ(TokenAt(moves, 5).face, 0);  // past the end
  EXPECT_EQ(TrimmedMoves(moves), "21 AA 63 BB");
}

TEST(MoveStrings, ApplyingAStringAndItsInverseRestoresTheCube) {
  Vars vars = SolvedVars();
  ApplyMoveString(vars, "21 AA 43 62 BB 51 ");
  EXPECT_FALSE(IsSolved(vars.current()));
  ApplyMoveString(vars, "53 62 41 23 ");
  EXPECT_TRUE(IsSolved(vars.current()));
}

TEST(ParseTurnList, AcceptsTwoDigitTokensSeparatedBySingleSpaces) {
  std::vector<TurnRequest> turns;
  std::string error;
  ASSERT_TRUE(ParseTurnList("21 43 69", turns, error));
  ASSERT_EQ(turns.size(), 3u);
  EXPECT_EQ(turns[2].face, 6);
  EXPECT_EQ(turns[2].turn, 9);
  ASSERT_TRUE(ParseTurnList("", turns, error));
  EXPECT_TRUE(turns.empty());
}

TEST(ParseTurnList, RefusesEveryOtherShape) {
  for (const char* text : {"71", "01", "2", "213", "21  43", "21 ", " 21", "2x", "A1", "21,43"}) {
    std::vector<TurnRequest> turns;
    std::string error;
    EXPECT_FALSE(ParseTurnList(text, turns, error)) << text;
    EXPECT_NE(error.find("bad token"), std::string::npos) << text;
    EXPECT_TRUE(turns.empty());
  }
}

}  // namespace
}  // namespace rotalo
