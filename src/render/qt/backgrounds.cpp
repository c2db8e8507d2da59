// The sky behind the cube, drawn once: a soft blue gradient with a few
// clouds, and for painting three double-headed curved arrows whose heads are
// the targets for turning the whole cube.
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "render/qt/qt_canvas.h"

namespace rotalo {

namespace {

void DrawSky(QPainter& painter, int width, int height) {
  QLinearGradient sky(0, 0, 0, height);
  sky.setColorAt(0.0, QColor(120, 170, 230));
  sky.setColorAt(1.0, QColor(200, 225, 250));
  painter.fillRect(0, 0, width, height, sky);
  painter.setPen(Qt::NoPen);
  const struct {
    int x, y, r;
  } clouds[] = {{40, 30, 22}, {70, 24, 16}, {180, 150, 24}, {205, 160, 18}, {30, 170, 20}, {150, 60, 14}};
  for (const auto& cloud : clouds) {
    QRadialGradient puff(cloud.x, cloud.y, cloud.r);
    puff.setColorAt(0.0, QColor(255, 255, 255, 150));
    puff.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(puff);
    painter.drawEllipse(QPoint(cloud.x, cloud.y), cloud.r * 2, cloud.r);
  }
}

// An arrow head at `tip`, pointing along `direction` (radians, y down).
void DrawHead(QPainter& painter, QPointF tip, double direction) {
  const double size = 11;
  const QPointF back(tip.x() - size * std::cos(direction), tip.y() - size * std::sin(direction));
  const QPointF side(-std::sin(direction) * size * 0.55, std::cos(direction) * size * 0.55);
  const QPointF points[3] = {tip, back + side, back - side};
  painter.drawPolygon(points, 3);
}

// A curved arrow from `a` to `b` bulging towards `bend`, with a head at each
// end.
void DrawArrow(QPainter& painter, QPointF a, QPointF b, QPointF bend) {
  QPainterPath path(a);
  path.quadTo(bend, b);
  QPen shaft(QColor(200, 30, 30), 4);
  shaft.setCapStyle(Qt::FlatCap);
  painter.setPen(shaft);
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(path);
  painter.setPen(QPen(QColor(120, 10, 10), 1));
  painter.setBrush(QColor(220, 40, 40));
  DrawHead(painter, a, std::atan2(a.y() - bend.y(), a.x() - bend.x()));
  DrawHead(painter, b, std::atan2(b.y() - bend.y(), b.x() - bend.x()));
}

}  // namespace

QImage MakeBackground(Background background, double ratio) {
  const int width = 230;
  const int height = background == Background::Arrows ? 229 : 230;
  ratio = std::max(ratio, 1.0);
  // The canvas copies it row by row, one pixel for one pixel.
  QImage image(static_cast<int>(std::ceil(width * ratio)), static_cast<int>(std::ceil(height * ratio)),
               QImage::Format_RGB32);
  QPainter painter(&image);
  painter.scale(ratio, ratio);
  painter.setRenderHint(QPainter::Antialiasing, true);
  DrawSky(painter, width, height);
  if (background == Background::Arrows) {
    // Along the top edge, and round each lower corner.
    DrawArrow(painter, QPointF(63, 40), QPointF(167, 40), QPointF(115, 4));
    DrawArrow(painter, QPointF(206, 108), QPointF(154, 198), QPointF(218, 190));
    DrawArrow(painter, QPointF(24, 108), QPointF(76, 198), QPointF(12, 190));
  }
  return image;
}

}  // namespace rotalo
