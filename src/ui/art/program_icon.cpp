// The program's icon: the solved cube of the drawing in miniature, a dark
// body with orange, blue and white stickers on its three visible faces. The
// geometry is that of rotalo.svg, in a 256 × 256 box: each face is a 3 × 3
// square of stickers mapped onto the screen by an affine matrix.
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <algorithm>

#include "model/palette.h"
#include "render/qt/qt_canvas.h"
#include "ui/art/artwork.h"

namespace rotalo {

namespace {

constexpr double kStepX = 34.641;  // one sticker along a receding edge: 20√3
constexpr double kStepY = 20;
constexpr double kRise = 40;  // one sticker down a vertical edge

struct IconFace {
  QTransform matrix;  // the 3 × 3 sticker square onto the icon box
  int paletteIndex;
  int darker;  // QColor::darker factor: light from above, a little from the right
};

const IconFace kFaces[3] = {
    {QTransform(kStepX, kStepY, -kStepX, kStepY, 128, 8), 0, 100},  // top, orange
    {QTransform(-kStepX, -kStepY, 0, kRise, 128, 128), 4, 125},     // front left, blue
    {QTransform(kStepX, -kStepY, 0, kRise, 128, 128), 3, 108},      // front right, white
};

QImage IconImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const double scale = size / 256.0;
  painter.scale(scale, scale);

  // The body: the outline of the cube, a little rounded.
  const QPolygonF hexagon({{128, 8}, {231.9, 68}, {231.9, 188}, {128, 248}, {24.1, 188}, {24.1, 68}});
  QPen rim(QColor(30, 30, 36), 6);
  rim.setJoinStyle(Qt::RoundJoin);
  painter.setPen(rim);
  painter.setBrush(QColor(30, 30, 36));
  painter.drawPolygon(hexagon);

  // Small icons show each face whole; from 24 pixels on, nine stickers.
  // The gap between stickers is at least about a pixel wide.
  const bool stickers = size >= 24;
  const double cellPixels = kRise * scale * (stickers ? 1 : 3);
  const double inset = std::max(0.05, 0.45 / cellPixels) * (stickers ? 1 : 3);
  const double round = size >= 48 ? 0.12 : 0;
  painter.setPen(Qt::NoPen);
  for (const IconFace& face : kFaces) {
    painter.save();
    painter.setTransform(face.matrix, true);
    painter.setBrush(QtCanvas::ToQColor(kPalette[face.paletteIndex].value).darker(face.darker));
    const int cells = stickers ? 3 : 1;
    const double cell = 3.0 / cells;
    for (int i = 0; i < cells; ++i) {
      for (int j = 0; j < cells; ++j) {
        const QRectF sticker(i * cell + inset, j * cell + inset, cell - 2 * inset, cell - 2 * inset);
        painter.drawRoundedRect(sticker, round, round);
      }
    }
    painter.restore();
  }
  painter.end();
  return image;
}

}  // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    icon.addPixmap(QPixmap::fromImage(IconImage(size)));
  }
  return icon;
}

}  // namespace rotalo
