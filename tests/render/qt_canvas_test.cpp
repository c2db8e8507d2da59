// Pixels of the drawing in the toolkit's image.
#include "render/qt/qt_canvas.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "render/cube_drawing.h"
#include "render/facelet.h"
#include "render/turn_animation.h"
#include "support/cubes.h"
#include "support/recording_canvas.h"

namespace rotalo {
namespace {

// The drawing pixel at the middle of facelet i's resting cell.
DrawPoint CellCentre(int facelet) {
  const auto c = StickerCorners(facelet);
  return Project(DrawContext{}, {(c[1].x + c[2].x) / 2, (c[1].y + c[2].y) / 2, (c[1].z + c[2].z) / 2});
}

TEST(QtCanvas, BatchedLinesGiveTheSamePixelsAsOneLineAtATime) {
  testing::RecordingCanvas recording;
  testing::CountingHost host;
  DrawContext context;
  Vars vars = testing::TurnedVars(testing::Moves("21 43 62 51"));
  DrawCube(recording, context, vars);
  int q = 1;
  context.FramesPerTurn = 2;
  AnimateTurn(recording, context, vars, host, 6, q, 0);
  // Columns reaching beyond the area, upwards and downwards, and one pixel.
  recording.SetPenWidth(1);
  recording.SetPenColour(0x0000FF00);
  recording.Line(3, -20, 3, 40);
  recording.Line(8, 250, 8, 200);
  recording.Line(229, 5, 229, 5);
  recording.Line(-1, 0, -1, 100);
  recording.Line(230, 0, 230, 100);

  QtCanvas batched;
  batched.SetBackground(Background::Plain);
  QImage single = MakeBackground(Background::Plain).copy(0, 0, 230, 230);
  QPainter painter(&single);
  int frame = 0;
  for (const auto& line : recording.lines) {
    if (line.frame != frame) {
      frame = line.frame;
      batched.Clear();
      painter.drawImage(0, 0, MakeBackground(Background::Plain));
    }
    batched.SetPenWidth(line.width);
    batched.SetPenColour(line.colour);
    batched.Line(line.x1, line.y1, line.x2, line.y2);
    // A w-pixel line is w one-pixel lines, left of a steep line and above
    // a shallow one.
    QPen pen(QtCanvas::ToQColor(line.colour));
    pen.setWidth(1);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    const bool steep = std::abs(line.y2 - line.y1) >= std::abs(line.x2 - line.x1);
    for (int n = 0; n < line.width; ++n) {
      const QPoint offset = steep ? QPoint(-n, 0) : QPoint(0, -n);
      painter.drawLine(QPoint(line.x1, line.y1) + offset, QPoint(line.x2, line.y2) + offset);
    }
  }
  painter.end();
  EXPECT_EQ(batched.Image(), single);
}

TEST(QtCanvas, EveryVisibleFaceletShowsItsColourInsideTheOutlineAndScalesLinearly) {
  Vars vars = testing::TurnedVars(testing::Moves("21 43 62 51 33 12 64"));
  QtCanvas canvas;
  canvas.SetBackground(Background::Plain);
  DrawCube(canvas, DrawContext{}, vars);
  for (int face : {1, 4, 5}) {
    for (int k = 1; k <= 9; ++k) {
      const DrawPoint p = CellCentre(FaceletAt(face, k));
      EXPECT_EQ(canvas.Image().pixel(p.x, p.y), QtCanvas::ToQColor(FaceletColour(vars, FaceletAt(face, k))).rgb());
    }
  }
  // The outline corners lie at x 37 and 192, y 25 and 205; the 2-pixel pen
  // reaches at most one pixel beyond them, and nothing else is drawn.
  const QImage sky = MakeBackground(Background::Plain);
  QRect drawn;
  for (int y = 0; y < 230; ++y) {
    for (int x = 0; x < 230; ++x) {
      drawn |= canvas.Image().pixel(x, y) != sky.pixel(x, y) ? QRect(x, y, 1, 1) : QRect();
    }
  }
  EXPECT_TRUE(drawn.contains(QRect(QPoint(37, 25), QPoint(192, 205))));
  EXPECT_TRUE(QRect(QPoint(36, 24), QPoint(193, 206)).contains(drawn));
  QtCanvas doubled;
  doubled.SetScale(115, 115);
  DrawCube(doubled, DrawContext{}, vars);
  for (int facelet : {6, 7, 8, 33, 34}) {  // cells up and left of the centre
    const DrawPoint p = CellCentre(facelet);
    EXPECT_EQ(doubled.Image().pixel(2 * p.x, 2 * p.y), canvas.Image().pixel(p.x, p.y)) << facelet;
  }
  EXPECT_DOUBLE_EQ(doubled.ScaleWidth(), 115);
  doubled.SetScale(0, -3);  // refused
  EXPECT_DOUBLE_EQ(doubled.ScaleWidth(), 115);
}

TEST(QtCanvas, ClearRestoresTheBackgroundPicture) {
  QtCanvas canvas;
  const QImage arrows = MakeBackground(Background::Arrows);
  const QImage plain = MakeBackground(Background::Plain);
  EXPECT_EQ(canvas.Image().copy(0, 0, 230, 229), arrows);
  DrawCube(canvas, DrawContext{}, testing::SolvedVars());
  canvas.Clear();
  EXPECT_EQ(canvas.Image().copy(0, 0, 230, 229), arrows);
  canvas.SetBackground(Background::Plain);
  canvas.Clear();
  EXPECT_EQ(canvas.Image(), plain);
  EXPECT_TRUE(arrows.size() == QSize(230, 229) && plain.size() == QSize(230, 230));
  // The arrow heads are drawn where the painting looks for them.
  for (QPoint head :
       {QPoint(167, 40), QPoint(63, 40), QPoint(206, 108), QPoint(154, 198), QPoint(24, 108), QPoint(76, 198)}) {
    const QRect around(head - QPoint(4, 4), QSize(9, 9));
    EXPECT_NE(arrows.copy(around), plain.copy(around)) << head.x() << "," << head.y();
  }
}

}  // namespace
}  // namespace rotalo
