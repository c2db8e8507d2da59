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
namespace {

QRgb PaletteRgb(int index) {
  return QtCanvas::ToQColor(kPalette[index].value).rgb();
}

bool Near(QRgb a, QRgb b, int tolerance = 12) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

TEST(Artwork, PicturesKeepTheirLogicalSizeAndAreDrawnAtTheDeviceSize) {
  for (const qreal ratio : {1.0, 2.0}) {
    const QImage title = TitlePicture(ratio);
    const QImage cube = SolvedCubePicture(ratio);
    EXPECT_EQ(title.deviceIndependentSize(), QSizeF(298, 105)) << ratio;
    EXPECT_EQ(cube.deviceIndependentSize(), QSizeF(200, 200)) << ratio;
  }
  EXPECT_EQ(TitlePicture(2).size(), QSize(596, 210));
  EXPECT_EQ(SolvedCubePicture(2).size(), QSize(400, 400));
}

// Letters R, o, t, a, l, o in red, orange, yellow, green, blue and white, in
// that order from left to right, outlined in a dark colour, on the grey.
TEST(Artwork, TitleLettersRunLeftToRightInTheCubeColoursOnGrey) {
  for (const qreal ratio : {1.0, 2.0}) {
    const QImage title = TitlePicture(ratio);
    const int w = title.width();
    const int h = title.height();
    for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
      EXPECT_EQ(title.pixel(corner), kWindowGrey) << ratio;
    }
    double previous = -1;
    for (const int index : {5, 0, 1, 2, 4, 3}) {
      double sumX = 0;
      int count = 0;
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          if (Near(title.pixel(x, y), PaletteRgb(index))) {
            sumX += x;
            ++count;
          }
        }
      }
      ASSERT_GT(count, 20 * ratio * ratio) << kPalette[index].name;
      const double meanX = sumX / count;
      EXPECT_GT(meanX, previous) << kPalette[index].name;
      previous = meanX;
    }
  }
}

// The middle of each of the 27 visible stickers in drawing units (230 wide):
// top face orange, front left blue, front right white.
struct StickerCentre {
  double x, y;
  int paletteIndex;
};
std::vector<StickerCentre> VisibleStickerCentres() {
  const double w = 15 * std::sqrt(3.0);
  std::vector<StickerCentre> centres;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      centres.push_back({115 + (i - j) * w, 25 + (i + j + 1) * 15.0, 0});
      centres.push_back({115 - (i + 0.5) * w, 115 - (i + 0.5) * 15 + (j + 0.5) * 30, 4});
      centres.push_back({115 + (i + 0.5) * w, 115 - (i + 0.5) * 15 + (j + 0.5) * 30, 3});
    }
  }
  return centres;
}

TEST(Artwork, SolvedCubeShowsSolidFacesInTheirColoursOnGreyAtEveryRatio) {
  for (const qreal ratio : {1.0, 1.5, 2.0, 3.0}) {
    const QImage cube = SolvedCubePicture(ratio);
    const double pixelsPerUnit = cube.width() / 230.0;
    // A block round each sticker's middle is wholly its colour: the filling
    // lines meet when enlarged and nothing else shows through.
    const int reach = static_cast<int>(4 * ratio);
    for (const auto& sticker : VisibleStickerCentres()) {
      const int cx = static_cast<int>(sticker.x * pixelsPerUnit);
      const int cy = static_cast<int>(sticker.y * pixelsPerUnit);
      for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
          ASSERT_EQ(cube.pixel(cx + dx, cy + dy), PaletteRgb(sticker.paletteIndex))
              << "ratio " << ratio << " at " << cx + dx << "," << cy + dy;
        }
      }
    }
    // The sky is gone: the corners (clear of the cube) are plain grey, also
    // where the sky has its clouds.
    const int corner = cube.width() / 6;
    for (const QPoint origin :
         {QPoint(0, 0), QPoint(cube.width() - corner, cube.height() - corner), QPoint(0, cube.height() - corner)}) {
      for (int y = 0; y < corner; ++y) {
        for (int x = 0; x < corner; ++x) {
          ASSERT_EQ(cube.pixel(origin + QPoint(x, y)), kWindowGrey) << "ratio " << ratio;
        }
      }
    }
    // The black outline runs down the front edge, between the two side faces.
    EXPECT_EQ(cube.pixel(cube.width() / 2, static_cast<int>(160 * pixelsPerUnit)), qRgb(0, 0, 0));
  }
}

// The hot spot lies inside the picture on a drawn pixel, and the pointer has
// both its white fill and its black outline.
void ExpectReadablePointer(const QCursor& pointer, QPoint hotSpot) {
  const QImage image = pointer.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(image.size(), QSize(32, 32));
  EXPECT_EQ(pointer.hotSpot(), hotSpot);
  EXPECT_GT(qAlpha(image.pixel(hotSpot)), 128);
  int white = 0;
  int black = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const QRgb p = image.pixel(x, y);
      white += qAlpha(p) == 255 && qGray(p) > 230 ? 1 : 0;
      black += qAlpha(p) == 255 && qGray(p) < 30 ? 1 : 0;
    }
  }
  EXPECT_GT(white, 20);
  EXPECT_GT(black, 20);
  EXPECT_EQ(qAlpha(image.pixel(31, 31)), 0);  // nothing in the lower right
}

TEST(Artwork, PointersAre32PixelsWithTheirHotSpotOnTheShape) {
  ExpectReadablePointer(PaintingPointer(), QPoint(3, 28));  // the tip of the brush
  ExpectReadablePointer(RotatingPointer(), QPoint(16, 16));
}

TEST(Artwork, IconComesInEverySizeWithThreeColouredFaces) {
  const QIcon icon = ProgramIcon();
  const QList<QSize> sizes = icon.availableSizes();
  for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
    SCOPED_TRACE(side);
    ASSERT_TRUE(sizes.contains(QSize(side, side)));
    const QImage image = icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(side, side));
    const auto at = [&](double x, double y) {
      return image.pixel(static_cast<int>(x * side / 256), static_cast<int>(y * side / 256));
    };
    // Face middles in a 256 box: top orange, front left blue, front right
    // white, each a little shaded; the corners of the box stay transparent.
    const QRgb top = at(128, 68);
    const QRgb left = at(76, 158);
    const QRgb right = at(180, 158);
    EXPECT_TRUE(qRed(top) > 200 && qGreen(top) > 90 && qGreen(top) < 160 && qBlue(top) < 40) << std::hex << top;
    EXPECT_TRUE(qBlue(left) > 150 && qRed(left) < 40 && qGreen(left) < 40) << std::hex << left;
    EXPECT_TRUE(qRed(right) > 200 && qGreen(right) > 200 && qBlue(right) > 200) << std::hex << right;
    EXPECT_EQ(qAlpha(at(2, 2)), 0);
  }
}

}  // namespace
}  // namespace rotalo

// The toolkit needs an application object for pointers and icons; with no
// platform named, the tests draw off screen.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  testing::InitGoogleTest(&argc, argv);
  QGuiApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
