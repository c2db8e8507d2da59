#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/rotation.h"
#include "render/repair_picture.h"
#include "render/rotation_animation.h"
#include "render/turn_animation.h"
#include "support/cubes.h"
#include "support/recording_canvas.h"

namespace rotalo {
namespace {

using testing::CountingHost;
using testing::RecordingCanvas;

struct Drawing {
  RecordingCanvas canvas;
  CountingHost host;
  DrawContext context;
};

int TurnFrames(int frames, int q, int e, int face = 1) {
  Drawing run;
  run.context.FramesPerTurn = frames;
  run.context.TurnBusy = 1;
  AnimateTurn(run.canvas, run.context, testing::SolvedVars(), run.host, face, q, e);
  EXPECT_EQ(run.context.TurnBusy, 0);
  EXPECT_EQ(run.host.frames, run.canvas.clears);
  EXPECT_EQ(run.host.events, run.host.frames);
  return run.host.frames;
}

TEST(AnimateTurn, ShowsOneFrameLessThanTheStepsUnlessAskedForTheEnd) {
  EXPECT_EQ(TurnFrames(6, 1, 0), 5);
  EXPECT_EQ(TurnFrames(6, 1, 1), 6);
  EXPECT_EQ(TurnFrames(6, -1, 0), 5);
  EXPECT_EQ(TurnFrames(2, 1, 0), 1);
  EXPECT_EQ(TurnFrames(10, 1, 0, 6), 9);
  EXPECT_EQ(TurnFrames(6, 2, 0), 9);  // i = 2 .. 10, 30 to 150 degrees
}

TEST(AnimateTurn, NothingIsDrawnForANonFaceOrNoTurn) {
  for (int face : {0, 7, -3}) {
    EXPECT_EQ(TurnFrames(6, 1, 0, face), 0);
  }
  Drawing run;
  run.context.TurnBusy = 1;
  int q = 0;
  AnimateTurn(run.canvas, run.context, testing::SolvedVars(), run.host, 2, q, 1);
  EXPECT_EQ(run.canvas.clears, 0);
  EXPECT_EQ(run.context.TurnBusy, 0);
}

TEST(AnimateTurn, ThreeIsAnimatedAsMinusOneAndWrittenBack) {
  Drawing three;
  int q = 3;
  AnimateTurn(three.canvas, three.context, testing::SolvedVars(), three.host, 4, q, 0);
  EXPECT_EQ(q, -1);
  Drawing minus;
  int m = -1;
  AnimateTurn(minus.canvas, minus.context, testing::SolvedVars(), minus.host, 4, m, 0);
  ASSERT_EQ(three.canvas.lines.size(), minus.canvas.lines.size());
  for (std::size_t n = 0; n < minus.canvas.lines.size(); ++n) {
    EXPECT_EQ(three.canvas.lines[n].x1, minus.canvas.lines[n].x1);
    EXPECT_EQ(three.canvas.lines[n].y2, minus.canvas.lines[n].y2);
  }
}

std::vector<int> FirstFrameStickers(int face, int q) {
  Drawing run;
  AnimateTurn(run.canvas, run.context, testing::SolvedVars(), run.host, face, q, 0);
  return run.canvas.StickersOfFrame(1);
}

TEST(AnimateTurn, VisibleFaceDrawsTheStandingPartThenTheCutThenItsLayer) {
  const std::vector<int> clockwise = FirstFrameStickers(1, 1);
  const std::vector<int> expected{28, 29, 30, 31, 32, 52, 36, 37, 38, 39, 40, 53,  // faces 4 and 5 below the layer
                                  0,                                               // the cut
                                  17, 18, 19, 33, 34, 35, 25, 26, 27,              // face 3 turning into view first
                                  1,  2,  3,  4,  5,  6,  7,  8,  49};             // the top face
  EXPECT_EQ(clockwise, expected);
  const std::vector<int> anticlockwise = FirstFrameStickers(1, -1);
  EXPECT_EQ(std::vector<int>(anticlockwise.begin() + 13, anticlockwise.begin() + 16), (std::vector<int>{9, 10, 11}));
  const std::vector<int> half = FirstFrameStickers(1, 2);
  EXPECT_EQ(half.size(), 12u + 1u + 6u + 9u);  // only two side rows
}

TEST(AnimateTurn, HiddenBottomLayerIsDrawnUnderTheStandingLayers) {
  const std::vector<int> stickers = FirstFrameStickers(6, 1);
  const std::vector<int> expected{13, 14, 15, 29, 30, 31, 37, 38, 39,  // the turning bottom rows
                                  0,                                   // its cut, turned with it
                                  25, 26, 27, 28, 32, 52, 33, 34, 35,
                                  36, 40, 53,                           // the two upper layers of faces 4 and 5
                                  1,  2,  3,  4,  5,  6,  7,  8,  49};  // the top face
  EXPECT_EQ(stickers, expected);
  // Faces 2 and 3 draw the face opposite them last: 4 and 5.
  EXPECT_EQ(FirstFrameStickers(2, 1).back(), 52);
  EXPECT_EQ(FirstFrameStickers(3, -1).back(), 53);
}

TEST(AnimateTurn, EveryFaceDrawsItsSideRowsForEachDirection) {
  // The rows of each face's layer: for q = 1 and q = -1 three, the hidden
  // one turning into view first; for any other q two.
  struct Case {
    int face;
    std::vector<int> clockwise, anticlockwise, other;
  };
  const Case cases[] = {
      {1, {17, 18, 19, 33, 34, 35, 25, 26, 27}, {9, 10, 11, 25, 26, 27, 33, 34, 35}, {17, 18, 19, 33, 34, 35}},
      {6, {13, 14, 15, 29, 30, 31, 37, 38, 39}, {21, 22, 23, 37, 38, 39, 29, 30, 31}, {21, 22, 23, 37, 38, 39}},
      {4, {41, 42, 43, 3, 4, 5, 35, 36, 37}, {17, 23, 24, 35, 36, 37, 3, 4, 5}, {41, 42, 43, 3, 4, 5}},
      {2, {19, 20, 21, 33, 39, 40, 1, 7, 8}, {45, 46, 47, 1, 7, 8, 33, 39, 40}, {45, 46, 47, 1, 7, 8}},
      {5, {11, 12, 13, 25, 31, 32, 5, 6, 7}, {41, 47, 48, 5, 6, 7, 25, 31, 32}, {11, 12, 13, 25, 31, 32}},
      {3, {43, 44, 45, 1, 2, 3, 27, 28, 29}, {9, 15, 16, 27, 28, 29, 1, 2, 3}, {9, 15, 16, 27, 28, 29}},
  };
  for (const Case& c : cases) {
    // A visible face draws 12 standing stickers and the cut before its rows;
    // a hidden face starts with them.
    const std::size_t start = (c.face == 1 || c.face == 4 || c.face == 5) ? 13 : 0;
    const auto rows = [&](int q, std::size_t count) {
      const std::vector<int> frame = FirstFrameStickers(c.face, q);
      return std::vector<int>(frame.begin() + static_cast<long>(start),
                              frame.begin() + static_cast<long>(start + count));
    };
    EXPECT_EQ(rows(1, 9), c.clockwise) << c.face;
    EXPECT_EQ(rows(-1, 9), c.anticlockwise) << c.face;
    EXPECT_EQ(rows(2, 6), c.other) << c.face;
  }
}

TEST(AnimateTurn, HiddenSideFacesDrawTheirCutThenTheStandingPartAtRest) {
  // Face 2's layer touches faces 1 and 5 at depths z = 2 and 3; what stands
  // is their cells with z = 0 or 1, then face 4 whole.
  const std::vector<int> two = FirstFrameStickers(2, 1);
  const std::vector<int> standing2{0, 2, 3, 4, 5, 6, 49, 34, 35, 36, 37, 38, 53, 25, 26, 27, 28, 29, 30, 31, 32, 52};
  EXPECT_EQ(std::vector<int>(two.begin() + 9, two.end()), standing2);
  const std::vector<int> three = FirstFrameStickers(3, 1);
  // Face 3's layer is x = 2 and 3: faces 1 and 4 stand where x = 0 or 1.
  const std::vector<int> standing3{0, 4, 5, 6, 7, 8, 49, 25, 26, 30, 31, 32, 52, 33, 34, 35, 36, 37, 38, 39, 40, 53};
  EXPECT_EQ(std::vector<int>(three.begin() + 9, three.end()), standing3);
}

TEST(AnimateTurn, LeavesThePenBlackAndTwoWide) {
  for (int face = 1; face <= 6; ++face) {
    Drawing run;
    int q = 1;
    AnimateTurn(run.canvas, run.context, testing::SolvedVars(), run.host, face, q, 1);
    EXPECT_EQ(run.canvas.width, 2);
    EXPECT_EQ(run.canvas.colour, 0u);
  }
}

TEST(AnimateTurn, DoesNotChangeTheCube) {
  Drawing run;
  Vars vars = testing::TurnedVars(testing::Moves("21 43 62"));
  const Vars before = vars;
  int q = 1;
  AnimateTurn(run.canvas, run.context, vars, run.host, 3, q, 1);
  EXPECT_EQ(vars.Facelet, before.Facelet);
  EXPECT_EQ(vars.CurBuffer, before.CurBuffer);
}

TEST(AnimateRotation, AnimatesThenRotatesTheStoredCubeAndDrawsIt) {
  Drawing run;
  run.context.FramesPerTurn = 2;
  Vars vars = testing::TurnedVars(testing::Moves("21 43"));
  Vars expected = vars;
  RotateCubeState(expected, 5, 1);
  int clockwise = 1;
  AnimateRotation(run.canvas, run.context, vars, run.host, 5, clockwise);
  EXPECT_EQ(run.host.frames, 1);    // one frame at 45 degrees
  EXPECT_EQ(run.canvas.clears, 2);  // that frame, then the cube at rest
  EXPECT_EQ(vars.current(), expected.current());
  EXPECT_EQ(vars.MoveString, "51 33 ");
  // The frame drew faces 2, 4, 1 and 5 in that order.
  const std::vector<int> frame = run.canvas.StickersOfFrame(1);
  ASSERT_EQ(frame.size(), 36u);
  EXPECT_EQ(frame[0], 9);
  EXPECT_EQ(frame[9], 25);
  EXPECT_EQ(frame[18], 1);
  EXPECT_EQ(frame[27], 33);
}

TEST(AnimateRotation, ShowsFramesPerTurnLessOneFramesEitherWay) {
  for (const int given : {1, -1, 3}) {
    Drawing run;
    Vars vars = testing::SolvedVars();
    int q = given;
    AnimateRotation(run.canvas, run.context, vars, run.host, 4, q);
    EXPECT_EQ(q, given == 3 ? -1 : given);  // 3 is taken as -1, and written back
    EXPECT_EQ(run.host.frames, 5);
    EXPECT_EQ(run.canvas.StickersOfFrame(1).front(), q == 1 ? 41 : 17);  // face 6, or face 3
    EXPECT_EQ(run.canvas.width, 2);
  }
}

TEST(AnimateRotation, OtherAxesDoNothingAtAll) {
  Drawing run;
  Vars vars = testing::SolvedVars();
  int q = 1;
  AnimateRotation(run.canvas, run.context, vars, run.host, 2, q);
  EXPECT_EQ(run.canvas.clears, 0);
  EXPECT_EQ(vars.CurBuffer, 0);
  EXPECT_TRUE(vars.MoveString.empty());
}

std::vector<int> RepairStickers(int a, int b, int c, int d, int frame = 1) {
  Drawing run;
  DrawRepairPicture(run.canvas, run.context, testing::SolvedVars(), run.host, a, b, c, d);
  EXPECT_EQ(run.canvas.width, 2);
  EXPECT_EQ(run.canvas.colour, 0u);
  return run.canvas.StickersOfFrame(frame);
}

TEST(DrawRepairPicture, TwistedPictureWithEveryPiece) {
  const std::vector<int> all = RepairStickers(2, 1, 1, 1);
  const std::vector<int> expected{28, 29, 30, 31, 32, 52, 36, 37, 38, 39, 40, 53, 0, 17, 18, 19,
                                  25, 26, 27, 35, 34, 33, 1,  2,  3,  4,  5,  6,  7, 8,  49};
  EXPECT_EQ(all, expected);
}

TEST(DrawRepairPicture, SwitchedOffPiecesAreLeftOut) {
  const auto has = [](const std::vector<int>& v, int f) { return std::count(v.begin(), v.end(), f); };
  const std::vector<int> none = RepairStickers(2, 0, 0, 0);
  for (int f : {4, 5, 6, 25, 26, 34, 35}) {
    EXPECT_EQ(has(none, f), 0) << f;
  }
  for (int f : {27, 33, 1, 2, 3, 7, 8, 49}) {
    EXPECT_EQ(has(none, f), 1) << f;
  }
  // Each flag on its own: B the corner, C the left edge, D the right edge.
  const std::vector<int> corner = RepairStickers(2, 1, 0, 0);
  EXPECT_EQ(has(corner, 5) + has(corner, 25) + has(corner, 35), 3);
  EXPECT_EQ(has(corner, 4) + has(corner, 6), 0);
  const std::vector<int> left = RepairStickers(2, 0, 1, 0);
  EXPECT_EQ(has(left, 6) + has(left, 34), 2);
  EXPECT_EQ(has(left, 4) + has(left, 5), 0);
  const std::vector<int> right = RepairStickers(2, 0, 0, 1);
  EXPECT_EQ(has(right, 4) + has(right, 26), 2);
  EXPECT_EQ(has(right, 6) + has(right, 35), 0);
}

TEST(DrawRepairPicture, AnimationsTakeFramesPerTurnFrames) {
  Drawing out;
  DrawRepairPicture(out.canvas, out.context, testing::SolvedVars(), out.host, -1, 1, 1, 1);
  EXPECT_EQ(out.host.frames, 6);
  EXPECT_EQ(out.host.events, 0);  // D set: no events between frames
  const std::vector<int> first = out.canvas.StickersOfFrame(1);
  EXPECT_EQ(std::vector<int>(first.begin() + 13, first.begin() + 16), (std::vector<int>{9, 10, 11}));

  Drawing back;
  DrawRepairPicture(back.canvas, back.context, testing::SolvedVars(), back.host, 1, 1, 1, 1);
  EXPECT_EQ(back.host.frames, 6);
  const std::vector<int> last = back.canvas.StickersOfFrame(6);
  EXPECT_EQ(std::count(last.begin(), last.end(), 25), 2);  // the front drawn once more
  EXPECT_EQ(std::count(last.begin(), last.end(), 27), 2);

  Drawing once;
  DrawRepairPicture(once.canvas, once.context, testing::SolvedVars(), once.host, 2, 0, 0, 0);
  EXPECT_EQ(once.host.frames, 1);
  EXPECT_EQ(once.host.events, 1);  // D clear: events after the frame
}

}  // namespace
}  // namespace rotalo
