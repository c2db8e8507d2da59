// The animations, checked against the painter's rule and the turned cube.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/rotation.h"
#include "render/cube_drawing.h"
#include "render/facelet.h"
#include "render/qt/qt_canvas.h"
#include "render/repair_picture.h"
#include "render/rotation_animation.h"
#include "render/turn_animation.h"
#include "support/cubes.h"
#include "support/recording_canvas.h"

namespace rotalo {
namespace {

struct Drawing {
  testing::RecordingCanvas canvas;
  testing::CountingHost host;
  DrawContext context;
};

int TurnFrames(int frames, int q, int e, int face) {
  Drawing run;
  run.context.FramesPerTurn = frames;
  run.context.TurnBusy = 1;
  AnimateTurn(run.canvas, run.context, testing::SolvedVars(), run.host, face, q, e);
  EXPECT_EQ(run.context.TurnBusy, 0);
  EXPECT_EQ(run.host.frames, run.canvas.clears);
  EXPECT_EQ(run.host.events, run.host.frames);
  EXPECT_TRUE(run.canvas.width == 2 && run.canvas.colour == 0u);  // the pen left black and two wide
  return run.host.frames;
}

TEST(AnimateTurn, ShowsOneFrameLessThanTheStepsUnlessAskedForTheEnd) {
  // Steps, q, e and face, and the frames shown: a half turn with six steps
  // goes from 30 to 150 degrees; no step count is below one; a face outside
  // 1..6 or no turn draws nothing.
  constexpr int kCases[][5] = {{6, 1, 0, 1, 5},  {6, 1, 1, 1, 6},  {6, -1, 0, 3, 5}, {2, 1, 0, 1, 1},
                               {10, 1, 0, 6, 9}, {6, 2, 0, 1, 9},  {0, 1, 1, 1, 1},  {6, 1, 0, 0, 0},
                               {6, 1, 0, 7, 0},  {6, 1, 0, -3, 0}, {6, 0, 1, 2, 0}};
  for (const auto& c : kCases) {
    EXPECT_EQ(TurnFrames(c[0], c[1], c[2], c[3]), c[4]) << c[0] << " " << c[1] << " " << c[2] << " " << c[3];
  }
}

TEST(AnimateTurn, ThreeIsAnimatedAsMinusOneAndWrittenBackAndHalfTurnsDrawTwoSideRows) {
  Drawing three, minus, half;
  int q = 3, m = -1, h = 2;
  AnimateTurn(three.canvas, three.context, testing::SolvedVars(), three.host, 4, q, 0);
  AnimateTurn(minus.canvas, minus.context, testing::SolvedVars(), minus.host, 4, m, 0);
  EXPECT_EQ(q, -1);
  EXPECT_EQ(three.canvas.lines, minus.canvas.lines);
  AnimateTurn(half.canvas, half.context, testing::SolvedVars(), half.host, 1, h, 0);
  EXPECT_EQ(half.canvas.StickersOfFrame(1).size(), 12u + 1u + 6u + 9u);  // standing, cut, rows, face
}

// Keeps a copy of every frame shown.
struct FrameKeeper final : FrameHost {
  explicit FrameKeeper(QtCanvas& c) : canvas(c) { canvas.SetBackground(Background::Plain); }
  void ShowFrame() override { frames.push_back(canvas.Image().copy()); }
  QtCanvas& canvas;
  std::vector<QImage> frames;
};

// Points inside facelet i's sticker, a quarter, a half and three quarters
// along each edge, turned by phi about `face`; empty unless it then faces the
// viewer, who looks along (1, 1, 1).
std::vector<DrawPoint> VisiblePoints(int facelet, int face, double phi) {
  static constexpr ModelPoint kOutward[7] = {{}, {0, -1, 0}, {0, 0, 1}, {1, 0, 0}, {0, 0, -1}, {-1, 0, 0}, {0, 1, 0}};
  const auto c = StickerCorners(facelet);
  const ModelPoint& out = kOutward[HomeFace(facelet)];
  const ModelPoint base = RotateAboutFace(face, c[0], phi);
  const ModelPoint tip = RotateAboutFace(face, {c[0].x + out.x, c[0].y + out.y, c[0].z + out.z}, phi);
  std::vector<DrawPoint> points;
  if (tip.x - base.x + tip.y - base.y + tip.z - base.z > -1e-3) {
    return points;
  }
  for (float u : {0.25f, 0.5f, 0.75f}) {
    for (float v : {0.25f, 0.5f, 0.75f}) {
      const auto at = [&](float ModelPoint::*a) { return c[0].*a + u * (c[1].*a - c[0].*a) + v * (c[2].*a - c[0].*a); };
      points.push_back(Project(
          DrawContext{}, RotateAboutFace(face, {at(&ModelPoint::x), at(&ModelPoint::y), at(&ModelPoint::z)}, phi)));
    }
  }
  return points;
}

// The facelets a turn of `face` carries round, and the face's own: its layer.
bool InLayer(int facelet, int face) {
  Vars vars = testing::NumberedVars();
  TurnFace(vars, face, 1);
  return HomeFace(facelet) == face || vars.current()[facelet] != facelet;
}

// The frame must agree, inside every sticker that faces the viewer, with the
// painter's rule: first the part of the cube farther from the viewer (the
// rest, or the layer of a hidden face) with its cut square, then the nearer
// part; of each part only the stickers that face the viewer. The layer is
// turned by phi; `whole` turns the whole cube instead.
void ExpectPaintersPicture(const QImage& frame, const Vars& vars, int face, double phi, bool whole) {
  QtCanvas painter;
  painter.SetBackground(Background::Plain);
  const bool layerNear = whole || face == 1 || face == 4 || face == 5;
  std::vector<DrawPoint> inside;
  for (const bool layer : {!layerNear, layerNear}) {
    if (!whole && layer != layerNear) {
      DrawCutSquare(painter, DrawContext{}, face, layer ? phi : 0);
    }
    for (int i = 1; i <= kFacelets; ++i) {
      const auto points = VisiblePoints(i, face, layer ? phi : 0);
      if ((whole ? layer : InLayer(i, face) == layer) && !points.empty()) {
        DrawTurnedFacelet(painter, DrawContext{}, vars, i, face, layer ? phi : 0);
        inside.insert(inside.end(), points.begin(), points.end());
      }
    }
  }
  for (const DrawPoint& p : inside) {
    EXPECT_EQ(frame.pixel(p.x, p.y), painter.Image().pixel(p.x, p.y)) << "face " << face << " at " << p.x << "," << p.y;
  }
}

TEST(AnimateTurn, EveryFrameFollowsThePaintersRuleAndTheLastShowsTheTurnedCube) {
  for (const char* scramble : {"21 43 62 51 33", "12 34 56 23 45", "31 52 13 64 25 42"}) {
    const Vars vars = testing::TurnedVars(testing::Moves(scramble));
    for (int face = 1; face <= 6; ++face) {
      for (int direction : {1, -1}) {
        QtCanvas canvas;
        FrameKeeper keeper(canvas);
        DrawContext context;
        context.FramesPerTurn = 3;  // frames at 30, 60 and 90 degrees
        int q = direction;
        AnimateTurn(canvas, context, vars, keeper, face, q, 1);
        ASSERT_EQ(keeper.frames.size(), 3u);
        for (int i = 1; i <= 3; ++i) {
          ExpectPaintersPicture(keeper.frames[i - 1], vars, face, direction * i * kPi / 6, false);
        }
        Vars turned = vars;
        TurnFace(turned, face, direction);
        for (int i = 1; i <= kFacelets; ++i) {
          for (const DrawPoint& p : VisiblePoints(i, face, 0)) {
            EXPECT_EQ(keeper.frames[2].pixel(p.x, p.y), QtCanvas::ToQColor(FaceletColour(turned, i)).rgb())
                << scramble << " face " << face << " q " << direction << " facelet " << i;
          }
        }
      }
    }
  }
}

TEST(AnimateRotation, EveryFrameFollowsThePaintersRuleThenTheStoredCubeIsRotated) {
  for (int axis : {1, 4, 5}) {
    for (int given : {1, -1, 3}) {
      QtCanvas canvas;
      FrameKeeper keeper(canvas);
      DrawContext context;
      context.FramesPerTurn = 3;
      const Vars start = testing::TurnedVars(testing::Moves("21 43"));
      Vars vars = start;
      Vars expected = start;
      RotateCubeState(expected, axis, given);
      int q = given;
      AnimateRotation(canvas, context, vars, keeper, axis, q);
      EXPECT_EQ(q, given == 3 ? -1 : given);  // 3 is taken as -1, and written back
      ASSERT_EQ(keeper.frames.size(), 2u);
      for (int i = 1; i <= 2; ++i) {
        ExpectPaintersPicture(keeper.frames[i - 1], start, axis, q * i * kPi / 6, true);
      }
      EXPECT_TRUE(vars.current() == expected.current() && vars.MoveString == expected.MoveString);
      QtCanvas still;
      still.SetBackground(Background::Plain);
      DrawCube(still, context, expected);
      EXPECT_EQ(canvas.Image(), still.Image());  // then the cube at rest
    }
  }
  Drawing other;  // other axes do nothing at all
  Vars vars = testing::SolvedVars();
  int q = 1;
  AnimateRotation(other.canvas, other.context, vars, other.host, 2, q);
  EXPECT_TRUE(other.canvas.clears == 0 && vars.CurBuffer == 0 && vars.MoveString.empty());
}

TEST(DrawRepairPicture, TwistedPictureWithEveryPieceFollowsThePaintersRule) {
  QtCanvas canvas;
  FrameKeeper keeper(canvas);
  const Vars vars = testing::TurnedVars(testing::Moves("21 43 62 51 33"));
  DrawRepairPicture(canvas, DrawContext{}, vars, keeper, 2, 1, 1, 1);
  ASSERT_EQ(keeper.frames.size(), 1u);
  ExpectPaintersPicture(keeper.frames[0], vars, 1, -kPi / 4, false);
}

TEST(DrawRepairPicture, LeavesOutThePiecesSwitchedOffAndShowsItsFrames) {
  // B the front corner 5/25/35, C the left edge 6/34, D the right edge 4/26.
  const std::vector<std::vector<int>> shown{{}, {5, 25, 35}, {6, 34}, {4, 26}};
  for (int on = 0; on <= 3; ++on) {
    Drawing run;
    DrawRepairPicture(run.canvas, run.context, testing::SolvedVars(), run.host, 2, on == 1, on == 2, on == 3);
    EXPECT_TRUE(run.canvas.width == 2 && run.canvas.colour == 0u);
    const std::vector<int> drawn = run.canvas.StickersOfFrame(1);
    for (int f : {5, 25, 35, 6, 34, 4, 26, 27, 33, 1, 2, 3, 7, 8, 49}) {
      const bool piece = f == 4 || f == 5 || f == 6 || f == 25 || f == 26 || f == 34 || f == 35;
      const bool wanted = !piece || std::count(shown[on].begin(), shown[on].end(), f) > 0;
      EXPECT_EQ(std::count(drawn.begin(), drawn.end(), f), wanted ? 1 : 0) << on << " " << f;
    }
  }
  // A twist animates in FramesPerTurn frames; with D clear events run after each.
  for (const auto& [a, d, frames, events] : {std::array{-1, 1, 6, 0}, {1, 0, 6, 6}, {2, 0, 1, 1}, {0, 1, 0, 0}}) {
    Drawing run;
    DrawRepairPicture(run.canvas, run.context, testing::SolvedVars(), run.host, a, 1, 1, d);
    EXPECT_TRUE(run.host.frames == frames && run.host.events == events) << a;
  }
}

}  // namespace
}  // namespace rotalo
