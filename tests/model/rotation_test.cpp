#include "model/rotation.h"

#include <gtest/gtest.h>

#include <random>

#include "support/cubes.h"

namespace rotalo {
namespace {

using testing::SolvedVars;

// Where a quarter turn of the whole cube about axis 1, 4 or 5 carries what is
// on each face: the faces round the axis move on as that face's own clockwise
// turn moves its neighbours.
constexpr int kFaceGoesTo[6][7] = {{}, {0, 1, 3, 4, 5, 2, 6}, {}, {}, {0, 3, 2, 6, 4, 1, 5}, {0, 4, 1, 3, 6, 5, 2}};

// About each axis: each face is carried whole to its new place; opposite
// directions, and four turns, restore the cube; and a rotation turns a face's
// layer into the layer of the face it carries that face to, so rotating after
// a turn is turning after a rotation.
TEST(RotateCubeState, CarriesFacesWholeIsUndoneAndTurnsOfTheRotatedCubeFollowTheRotation) {
  std::mt19937 rng(3);
  for (int axis : {1, 4, 5}) {
    Vars vars = SolvedVars();
    ASSERT_TRUE(RotateCubeState(vars, axis, 1));
    for (int i = 1; i <= kFacelets; ++i) {
      EXPECT_EQ(kFaceGoesTo[axis][vars.current()[i]], HomeFace(i)) << "axis " << axis << " facelet " << i;
    }
    Vars numbered = testing::NumberedVars();
    const Buffer start = numbered.current();
    RotateCubeState(numbered, axis, 1);
    RotateCubeState(numbered, axis, -1);
    EXPECT_EQ(numbered.current(), start);
    for (int n = 0; n < 4; ++n) {
      RotateCubeState(numbered, axis, 3);
    }
    EXPECT_EQ(numbered.current(), start);
    for (int face = 1; face <= 6; ++face) {
      const Vars scrambled = testing::TurnedVars(testing::RandomMoves(rng, 20));
      Vars turnedFirst = scrambled;
      TurnFace(turnedFirst, face, 1);
      RotateCubeState(turnedFirst, axis, 1);
      Vars rotatedFirst = scrambled;
      RotateCubeState(rotatedFirst, axis, 1);
      TurnFace(rotatedFirst, kFaceGoesTo[axis][face], 1);
      EXPECT_EQ(turnedFirst.current(), rotatedFirst.current()) << "axis " << axis << " face " << face;
    }
  }
}

TEST(RotateCubeState, RecordsTheTwoOuterLayerTurnsWhileRecordingAndRefusesOtherAxes) {
  Vars vars = SolvedVars();
  RotateCubeState(vars, 5, 1);
  RotateCubeState(vars, 1, 3);
  vars.RecordMoves = 0;
  RotateCubeState(vars, 4, -1);
  EXPECT_EQ(vars.MoveString, "51 33 13 61 ");
  for (const auto& [axis, q] : {std::pair{0, 1}, {2, 1}, {3, 1}, {6, 1}, {7, 1}, {1, 2}, {4, 0}}) {
    Vars other = SolvedVars();
    EXPECT_TRUE(!RotateCubeState(other, axis, q) && other.CurBuffer == 0 && other.MoveString.empty()) << axis;
  }
  for (int face = 1; face <= 6; ++face) {
    EXPECT_EQ(OppositeFace(OppositeFace(face)), face);
  }
  EXPECT_TRUE(OppositeFace(1) == 6 && OppositeFace(4) == 2 && OppositeFace(5) == 3 && OppositeFace(9) == 0);
}

}  // namespace
}  // namespace rotalo
