// The program's pictures, pointers and icon, drawn off screen.
#include "ui/art/artwork.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPixmap>
#include <cmath>
#include <cstdlib>

#include "model/palette.h"
#include "render/qt/qt_canvas.h"

namespace rotalo {

const auto PaletteRgb = [](std::size_t index) { return QtCanvas::ToQColor(kPalette[index].value).rgb(); };

// Letters R, o, t, a, l, o in red, orange, yellow, green, blue and white, in
// that order from left to right, outlined in a dark colour, on the grey.
TEST(Artwork, TitleLettersRunLeftToRightInTheCubeColoursOnGrey) {
  for (const qreal ratio : {1.0, 2.0}) {
    const QImage title = TitlePicture(ratio);
    EXPECT_EQ(title.deviceIndependentSize(), QSizeF(298, 105)) << ratio;
    ASSERT_EQ(title.size(), (QSizeF(298, 105) * ratio).toSize());
    const int w = title.width();
    const int h = title.height();
    for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
      EXPECT_EQ(title.pixel(corner), kWindowGrey) << ratio;
    double previous = -1;
    for (const std::size_t index : {5, 0, 1, 2, 4, 3}) {
      const QRgb want = PaletteRgb(index);
      double sumX = 0;
      int count = 0;
      for (int i = 0; i < w * h; ++i) {
        const QRgb p = title.pixel(i % w, i / w);
        if (std::abs(qRed(p) - qRed(want)) <= 12 && std::abs(qGreen(p) - qGreen(want)) <= 12 &&
            std::abs(qBlue(p) - qBlue(want)) <= 12) {
          sumX += i % w;
          ++count;
        }
      }
      ASSERT_GT(count, 20 * ratio * ratio) << kPalette[index].name;
      EXPECT_GT(sumX / count, previous) << kPalette[index].name;
      previous = sumX / count;
    }
  }
}

// Whether every pixel of `area` is `colour`.
static bool Solid(const QImage& image, QRect area, QRgb colour) {
  for (int i = 0; i < area.width() * area.height(); ++i)
    if (image.pixel(area.topLeft() + QPoint(i % area.width(), i / area.width())) != colour) return false;
  return true;
}

TEST(Artwork, SolvedCubeShowsSolidFacesInTheirColoursOnGreyAtEveryRatio) {
  for (const qreal ratio : {1.0, 1.5, 2.0, 3.0}) {
    const QImage cube = SolvedCubePicture(ratio);
    EXPECT_EQ(cube.deviceIndependentSize(), QSizeF(200, 200)) << ratio;
    ASSERT_EQ(cube.size(), (QSizeF(200, 200) * ratio).toSize());
    // A block round the middle of each of the 27 visible stickers (in drawing
    // units, 230 wide) is wholly its colour: the filling lines meet when
    // enlarged. Top face orange, front left blue, front right white.
    const double scale = cube.width() / 230.0;
    const int reach = static_cast<int>(4 * ratio);
    const auto expectSolid = [&](double x, double y, std::size_t paletteIndex) {
      const QPoint middle(static_cast<int>(x * scale), static_cast<int>(y * scale));
      const QRect block(middle - QPoint(reach, reach), QSize(2 * reach + 1, 2 * reach + 1));
      EXPECT_TRUE(Solid(cube, block, PaletteRgb(paletteIndex))) << "ratio " << ratio << " at " << x << "," << y;
    };
    const double u = 15 * std::sqrt(3.0);
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) {
        expectSolid(115 + (i - j) * u, 25 + (i + j + 1) * 15.0, 0);
        expectSolid(115 - (i + 0.5) * u, 115 - (i + 0.5) * 15 + (j + 0.5) * 30, 4);
        expectSolid(115 + (i + 0.5) * u, 115 - (i + 0.5) * 15 + (j + 0.5) * 30, 3);
      }
    }
    // The sky is gone: the corners, clear of the cube, are plain grey, also
    // where the sky has its clouds.
    const int corner = cube.width() / 6;
    const int far = cube.width() - corner;
    for (const QPoint origin : {QPoint(0, 0), QPoint(far, far), QPoint(0, far)})
      EXPECT_TRUE(Solid(cube, QRect(origin, QSize(corner, corner)), kWindowGrey)) << "ratio " << ratio;
    // The black outline runs down the front edge, between the two side faces.
    EXPECT_EQ(cube.pixel(cube.width() / 2, static_cast<int>(160 * scale)), qRgb(0, 0, 0));
  }
}

// The hot spot lies inside the picture on a drawn pixel, and the pointer has
// both its white fill and its black outline.
static void ExpectReadablePointer(const QCursor& pointer, QPoint hotSpot) {
  const QImage image = pointer.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(image.size(), QSize(32, 32));
  EXPECT_EQ(pointer.hotSpot(), hotSpot);
  EXPECT_GT(qAlpha(image.pixel(hotSpot)), 128);
  int white = 0;
  int black = 0;
  for (int i = 0; i < 32 * 32; ++i) {
    const QRgb p = image.pixel(i % 32, i / 32);
    white += qAlpha(p) == 255 && qGray(p) > 230 ? 1 : 0;
    black += qAlpha(p) == 255 && qGray(p) < 30 ? 1 : 0;
  }
  EXPECT_TRUE(white > 20 && black > 20) << white << " white, " << black << " black";
  EXPECT_EQ(qAlpha(image.pixel(31, 31)), 0);  // nothing in the lower right
}

TEST(Artwork, PointersAre32PixelsWithTheirHotSpotOnTheShape) {
  ExpectReadablePointer(PaintingPointer(), QPoint(3, 28));  // the tip of the brush
  ExpectReadablePointer(RotatingPointer(), QPoint(16, 16));
}

TEST(Artwork, IconComesInEverySizeWithThreeColouredFaces) {
  const QIcon icon = ProgramIcon();
  for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
    SCOPED_TRACE(side);
    ASSERT_TRUE(icon.availableSizes().contains(QSize(side, side)));
    const QImage image = icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(side, side));
    // Face middles in a 256 box: top orange, front left blue, front right
    // white, each a little shaded; the corners of the box stay transparent.
    const auto at = [&](int x, int y) { return image.pixel(x * side / 256, y * side / 256); };
    const QRgb top = at(128, 68);
    const QRgb left = at(76, 158);
    const QRgb right = at(180, 158);
    EXPECT_TRUE(qRed(top) > 200 && qGreen(top) > 90 && qGreen(top) < 160 && qBlue(top) < 40) << std::hex << top;
    EXPECT_TRUE(qBlue(left) > 150 && qRed(left) < 40 && qGreen(left) < 40) << std::hex << left;
    EXPECT_TRUE(qRed(right) > 200 && qGreen(right) > 200 && qBlue(right) > 200) << std::hex << right;
    EXPECT_EQ(qAlpha(at(2, 2)), 0);
  }
}

}  // namespace rotalo

// The toolkit needs an application object for pointers and icons; with no
// platform named, the tests draw off screen.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  QGuiApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
