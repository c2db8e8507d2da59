#include "model/rotation.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "support/cubes.h"

namespace rotalo {
namespace {

using testing::SolvedVars;

// Where each facelet rests on the cube (the corner of its unit cell with the
// smallest coordinates; x right-back, y down, z left-back, 0..3), positions
// 1..8 then the centre, for faces 1..6, and the axis fixed by each face.
struct Point {
  double x, y, z;
};
constexpr std::array<std::array<Point, 9>, 6> kCells{{
    {{{2, 0, 2}, {2, 0, 1}, {2, 0, 0}, {1, 0, 0}, {0, 0, 0}, {0, 0, 1}, {0, 0, 2}, {1, 0, 2}, {1, 0, 1}}},
    {{{2, 0, 3}, {1, 0, 3}, {0, 0, 3}, {0, 1, 3}, {0, 2, 3}, {1, 2, 3}, {2, 2, 3}, {2, 1, 3}, {1, 1, 3}}},
    {{{3, 0, 0}, {3, 0, 1}, {3, 0, 2}, {3, 1, 2}, {3, 2, 2}, {3, 2, 1}, {3, 2, 0}, {3, 1, 0}, {3, 1, 1}}},
    {{{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {2, 1, 0}, {2, 2, 0}, {1, 2, 0}, {0, 2, 0}, {0, 1, 0}, {1, 1, 0}}},
    {{{0, 0, 2}, {0, 0, 1}, {0, 0, 0}, {0, 1, 0}, {0, 2, 0}, {0, 2, 1}, {0, 2, 2}, {0, 1, 2}, {0, 1, 1}}},
    {{{0, 3, 0}, {1, 3, 0}, {2, 3, 0}, {2, 3, 1}, {2, 3, 2}, {1, 3, 2}, {0, 3, 2}, {0, 3, 1}, {1, 3, 1}}},
}};

// The centre of facelet i's cell: half a unit along the two axes in its plane.
Point CellCentre(int i) {
  const int face = HomeFace(i);
  const int position = i > 48 ? 9 : (i - 1) % 8 + 1;
  Point p = kCells[face - 1][position - 1];
  const bool flatX = face == 3 || face == 5;
  const bool flatY = face == 1 || face == 6;
  const bool flatZ = face == 2 || face == 4;
  p.x += flatX ? 0 : 0.5;
  p.y += flatY ? 0 : 0.5;
  p.z += flatZ ? 0 : 0.5;
  return p;
}

// A quarter turn of the whole cube, the way the face of that axis turns
// clockwise as seen from outside it.
Point QuarterTurn(int axis, Point p) {
  switch (axis) {
    case 1:
      return {p.z, p.y, 3 - p.x};
    case 4:
      return {3 - p.y, p.x, p.z};
    default:
      return {p.x, 3 - p.z, p.y};
  }
}

int FaceletAt(Point p) {
  for (int i = 1; i <= kFacelets; ++i) {
    const Point c = CellCentre(i);
    if (std::abs(c.x - p.x) < 1e-9 && std::abs(c.y - p.y) < 1e-9 && std::abs(c.z - p.z) < 1e-9) {
      return i;
    }
  }
  return 0;
}

TEST(RotateCubeState, CarriesEveryFaceletToTheImageOfItsCell) {
  for (int axis : {1, 4, 5}) {
    Vars vars = testing::NumberedVars();
    ASSERT_TRUE(RotateCubeState(vars, axis, 1));
    for (int i = 1; i <= kFacelets; ++i) {
      const int image = FaceletAt(QuarterTurn(axis, CellCentre(i)));
      ASSERT_NE(image, 0);
      EXPECT_EQ(vars.current()[image], i) << "axis " << axis << " facelet " << i;
    }
  }
}

TEST(RotateCubeState, OppositeDirectionsAndFourTurnsRestoreTheCube) {
  std::mt19937 rng(3);
  for (int axis : {1, 4, 5}) {
    Vars vars = testing::TurnedVars(testing::RandomMoves(rng, 20));
    const Buffer start = vars.current();
    RotateCubeState(vars, axis, 1);
    EXPECT_NE(vars.current(), start);
    RotateCubeState(vars, axis, -1);
    EXPECT_EQ(vars.current(), start);
    for (int n = 0; n < 4; ++n) {
      RotateCubeState(vars, axis, 3);
    }
    EXPECT_EQ(vars.current(), start);
  }
}

TEST(RotateCubeState, AxisFiveBringsTheTopCentreToTheFront) {
  Vars vars = SolvedVars();
  RotateCubeState(vars, 5, 1);
  EXPECT_EQ(vars.current()[52], 1);  // old top centre now the centre of face 4
  for (int i = 41; i <= 48; ++i) {
    EXPECT_EQ(vars.current()[i], 4) << i;  // old front face 4 is the bottom
  }
  EXPECT_EQ(vars.current()[54], 4);
}

TEST(RotateCubeState, RecordsTheTwoOuterLayerTurnsWhileRecording) {
  Vars vars = SolvedVars();
  RotateCubeState(vars, 5, 1);
  EXPECT_EQ(vars.MoveString, "51 33 ");
  RotateCubeState(vars, 1, 3);
  EXPECT_EQ(vars.MoveString, "51 33 13 61 ");
  vars.RecordMoves = 0;
  RotateCubeState(vars, 4, -1);
  EXPECT_EQ(vars.MoveString, "51 33 13 61 ");
}

TEST(RotateCubeState, OtherAxesChangeNothing) {
  for (int axis : {0, 2, 3, 6, 7}) {
    Vars vars = SolvedVars();
    EXPECT_FALSE(RotateCubeState(vars, axis, 1));
    EXPECT_EQ(vars.CurBuffer, 0);
    EXPECT_TRUE(vars.MoveString.empty());
    EXPECT_TRUE(IsSolved(vars.current()));
  }
  Vars vars = SolvedVars();
  EXPECT_FALSE(RotateCubeState(vars, 1, 2));
  EXPECT_EQ(vars.CurBuffer, 0);
}

TEST(OppositeFace, PairsTheFaces) {
  EXPECT_EQ(OppositeFace(1), 6);
  EXPECT_EQ(OppositeFace(4), 2);
  EXPECT_EQ(OppositeFace(5), 3);
  EXPECT_EQ(OppositeFace(3), 5);
  EXPECT_EQ(OppositeFace(9), 0);
}

}  // namespace
}  // namespace rotalo
