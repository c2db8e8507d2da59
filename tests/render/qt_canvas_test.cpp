// Pixels of the drawing in the toolkit's image.
#include "render/qt/qt_canvas.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "model/moves.h"
#include "render/cube_drawing.h"
#include "render/facelet.h"
#include "render/turn_animation.h"
#include "support/cubes.h"
#include "support/recording_canvas.h"

namespace rotalo {
namespace {

QRgb Rgb(Colour colour) {
  return QtCanvas::ToQColor(colour).rgb();
}

// The drawing pixel at the middle of facelet i's resting cell.
DrawPoint CellCentre(int facelet, double phi = 0, int face = 1) {
  const auto corners = StickerCorners(facelet);
  ModelPoint centre = corners[0];
  centre.x += (corners[1].x - corners[0].x + corners[2].x - corners[0].x) / 2;
  centre.y += (corners[1].y - corners[0].y + corners[2].y - corners[0].y) / 2;
  centre.z += (corners[1].z - corners[0].z + corners[2].z - corners[0].z) / 2;
  return Project(DrawContext{}, RotateAboutFace(face, centre, phi));
}

QRgb PixelAt(QtCanvas& canvas, DrawPoint p) {
  return canvas.Image().pixel(p.x, p.y);
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

TEST(QtCanvas, PenWidthIsInPixelsAcrossTheLine) {
  QtCanvas canvas;
  canvas.SetPenColour(0);
  canvas.SetPenWidth(2);
  canvas.Line(50, 50, 50, 80);    // vertical: two columns
  canvas.Line(100, 50, 140, 50);  // horizontal: two rows
  canvas.Line(20, 100, 40, 140);  // steep
  const QImage& image = canvas.Image();
  const QRgb black = qRgb(0, 0, 0);
  EXPECT_EQ(image.pixel(49, 60), black);
  EXPECT_EQ(image.pixel(50, 60), black);
  EXPECT_NE(image.pixel(48, 60), black);
  EXPECT_NE(image.pixel(51, 60), black);
  EXPECT_EQ(image.pixel(120, 49), black);
  EXPECT_EQ(image.pixel(120, 50), black);
  EXPECT_NE(image.pixel(120, 51), black);
  int across = 0;
  for (int x = 15; x < 45; ++x) {
    across += image.pixel(x, 120) == black ? 1 : 0;
  }
  EXPECT_EQ(across, 2);
}

TEST(QtCanvas, SideStickerIsFilledUpToItsOutlinedRightEdge) {
  QtCanvas canvas;
  DrawFacelet(canvas, DrawContext{}, {0, 0, 0}, {0, 1, 0}, {1, 0, 0}, 0x000000C0);
  const QRgb red = Rgb(0x000000C0);
  for (int x = 117; x <= 138; ++x) {
    EXPECT_EQ(canvas.Image().pixel(x, 125), red) << x;
  }
  EXPECT_EQ(canvas.Image().pixel(140, 120), qRgb(0, 0, 0));
  EXPECT_EQ(canvas.Image().pixel(115, 125), qRgb(0, 0, 0));
  EXPECT_NE(canvas.Image().pixel(143, 120), red);
}

TEST(QtCanvas, GreyCubeFillsItsOutlineAndNoMore) {
  QtCanvas canvas;
  canvas.SetBackground(Background::Plain);
  const QImage sky = MakeBackground(Background::Plain);
  DrawCube(canvas, DrawContext{}, testing::UncolouredVars());
  const QImage& image = canvas.Image();
  int minX = 230, maxX = -1, minY = 230, maxY = -1;
  for (int y = 0; y < 230; ++y) {
    for (int x = 0; x < 230; ++x) {
      if (image.pixel(x, y) != sky.pixel(x, y)) {
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
      }
    }
  }
  // The outline corners lie at x 37 and 192, y 25 and 205; the 2-pixel pen
  // reaches one pixel beyond them.
  EXPECT_GE(minX, 36);
  EXPECT_LE(minX, 37);
  EXPECT_GE(maxX, 192);
  EXPECT_LE(maxX, 193);
  EXPECT_GE(minY, 24);
  EXPECT_LE(minY, 25);
  EXPECT_GE(maxY, 205);
  EXPECT_LE(maxY, 206);
  EXPECT_EQ(image.pixel(115, 115), qRgb(0, 0, 0));  // the near top corner
  EXPECT_EQ(image.pixel(115, 100), Rgb(kUncolouredValue));
}

TEST(QtCanvas, EveryVisibleFaceletShowsItsOwnColour) {
  Vars vars = testing::TurnedVars(testing::Moves("21 43 62 51 33 12 64"));
  QtCanvas canvas;
  DrawCube(canvas, DrawContext{}, vars);
  for (int face : {1, 4, 5}) {
    for (int k = 1; k <= 9; ++k) {
      const int facelet = FaceletAt(face, k);
      EXPECT_EQ(PixelAt(canvas, CellCentre(facelet)), Rgb(vars.FaceColourValue[vars.current()[facelet]])) << facelet;
    }
  }
}

TEST(QtCanvas, LastFrameOfAFullTurnShowsTheTurnedCube) {
  for (int face = 1; face <= 6; ++face) {
    for (int direction : {1, -1}) {
      Vars vars = testing::TurnedVars(testing::Moves("21 43 62 51 33"));
      QtCanvas canvas;
      testing::CountingHost host;
      DrawContext context;
      int q = direction;
      AnimateTurn(canvas, context, vars, host, face, q, 1);
      Vars turned = vars;
      TurnFace(turned, face, direction);
      for (int f : {1, 4, 5}) {
        for (int k = 1; k <= 9; ++k) {
          const int facelet = FaceletAt(f, k);
          EXPECT_EQ(PixelAt(canvas, CellCentre(facelet)), Rgb(turned.FaceColourValue[turned.current()[facelet]]))
              << "face " << face << " q " << direction << " facelet " << facelet;
        }
      }
    }
  }
}

TEST(QtCanvas, ScaleEnlargesTheDrawingLinearly) {
  Vars vars = testing::TurnedVars(testing::Moves("21 43 62"));
  QtCanvas plain;
  DrawCube(plain, DrawContext{}, vars);
  QtCanvas doubled;
  doubled.SetScale(115, 115);
  DrawCube(doubled, DrawContext{}, vars);
  for (int facelet : {6, 7, 8, 33, 34}) {  // cells up and left of the centre
    const DrawPoint p = CellCentre(facelet);
    ASSERT_LT(2 * p.x + 1, 230);
    ASSERT_LT(2 * p.y + 1, 230);
    EXPECT_EQ(doubled.Image().pixel(2 * p.x, 2 * p.y), plain.Image().pixel(p.x, p.y)) << facelet;
  }
  EXPECT_DOUBLE_EQ(doubled.ScaleWidth(), 115);
  doubled.SetScale(0, -3);  // refused
  EXPECT_DOUBLE_EQ(doubled.ScaleWidth(), 115);
}

TEST(QtCanvas, ClearRestoresTheBackgroundPicture) {
  QtCanvas canvas;
  const QImage arrows = canvas.Image().copy();
  DrawCube(canvas, DrawContext{}, testing::SolvedVars());
  EXPECT_NE(canvas.Image(), arrows);
  canvas.Clear();
  EXPECT_EQ(canvas.Image(), arrows);
  canvas.SetBackground(Background::Plain);
  canvas.Clear();
  EXPECT_NE(canvas.Image(), arrows);
  EXPECT_EQ(MakeBackground(Background::Arrows).size(), QSize(230, 229));
  EXPECT_EQ(MakeBackground(Background::Plain).size(), QSize(230, 230));
  // The arrow heads are drawn where the painting looks for them.
  const QImage withArrows = MakeBackground(Background::Arrows);
  const QImage plain = MakeBackground(Background::Plain);
  for (QPoint head :
       {QPoint(167, 40), QPoint(63, 40), QPoint(206, 108), QPoint(154, 198), QPoint(24, 108), QPoint(76, 198)}) {
    bool differs = false;
    for (int dy = -4; dy <= 4; ++dy) {
      for (int dx = -4; dx <= 4; ++dx) {
        differs = differs || withArrows.pixel(head + QPoint(dx, dy)) != plain.pixel(head + QPoint(dx, dy));
      }
    }
    EXPECT_TRUE(differs) << head.x() << "," << head.y();
  }
}

}  // namespace
}  // namespace rotalo
