// The two mouse pointers of the drawing: a paint brush while painting
// stickers and a curved arrow over the arrow heads that turn the whole cube.
// White shapes with a black outline read on any sticker colour and on the sky.
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

#include "render/context.h"
#include "ui/art/artwork.h"

namespace rotalo {

namespace {

constexpr int kSide = 32;

QPixmap EmptyPointer() {
  QPixmap pixmap(kSide, kSide);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

void Outlined(QPainter& painter, const QPainterPath& shape, qreal width = 1.5) {
  QPen pen(Qt::black, width);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::white);
  painter.drawPath(shape);
}

// The brush lies along the diagonal, its tip at the lower left.
constexpr QPoint kBrushTip(3, 28);

}  // namespace

QCursor PaintingPointer() {
  QPixmap pixmap = EmptyPointer();
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, true);
  // Along the brush: u from the tip (0) to the end of the handle, v across.
  painter.translate(kBrushTip.x() + 0.5, kBrushTip.y() + 0.5);
  painter.rotate(-45);

  QPainterPath handle;
  handle.moveTo(17, -2.6);
  handle.lineTo(33, -1.8);
  handle.arcTo(QRectF(31.2, -1.8, 3.6, 3.6), 90, -180);
  handle.lineTo(17, 2.6);
  handle.closeSubpath();
  Outlined(painter, handle);

  QPainterPath ferrule;
  ferrule.addRect(QRectF(11, -3.6, 6.5, 7.2));
  Outlined(painter, ferrule);
  painter.drawLine(QPointF(14.2, -3.6), QPointF(14.2, 3.6));

  QPainterPath bristles;  // a pointed tuft, its tip the hot spot
  bristles.moveTo(0, 0);
  bristles.cubicTo(2, -1.5, 5, -4.2, 11, -3.6);
  bristles.lineTo(11, 3.6);
  bristles.cubicTo(5, 4.2, 2, 1.5, 0, 0);
  Outlined(painter, bristles);
  painter.setPen(QPen(Qt::black, 0.8));
  painter.drawLine(QPointF(4.5, 0), QPointF(10, 0));
  painter.end();
  return QCursor(pixmap, kBrushTip.x(), kBrushTip.y());
}

QCursor RotatingPointer() {
  QPixmap pixmap = EmptyPointer();
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QPointF centre(kSide / 2.0, kSide / 2.0);
  const double radius = 9;
  const double band = 4;       // the white of the arrow's shaft
  const double outline = 1.5;  // the black round it

  // Three quarters of a circle, anticlockwise from the lower right over the
  // top to the lower left, where the head points on down the turn.
  const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
  const double start = -45;
  const double sweep = 250;
  const double back = outline / radius * 180 / kPi;  // the outline round the tail
  QPainterPath shaft;
  shaft.arcMoveTo(circle, start);
  shaft.arcTo(circle, start, sweep);
  QPainterPath outlined;
  outlined.arcMoveTo(circle, start - back);
  outlined.arcTo(circle, start - back, sweep + back);

  const double end = (start + sweep) * kPi / 180;
  const QPointF base = shaft.currentPosition();
  const QPointF along(-std::sin(end), -std::cos(end));  // anticlockwise on the screen
  const QPointF across(std::cos(end), -std::sin(end));  // outwards
  const QPointF head[3] = {base + along * 8.5, base + across * 5.5, base - across * 5.5};

  // Black first, a little wider than the white drawn over it.
  QPen black(Qt::black, band + 2 * outline, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
  painter.setPen(black);
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(outlined);
  painter.setPen(QPen(Qt::black, 2 * outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::black);
  painter.drawPolygon(head, 3);

  painter.setPen(QPen(Qt::white, band, Qt::SolidLine, Qt::FlatCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(shaft);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawPolygon(head, 3);

  QPainterPath dot;  // the hot spot
  dot.addEllipse(centre, 1.8, 1.8);
  Outlined(painter, dot, 1.2);
  painter.end();
  return QCursor(pixmap, kSide / 2, kSide / 2);
}

}  // namespace rotalo
