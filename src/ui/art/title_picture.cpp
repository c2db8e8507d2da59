// The title picture of the start-up window: the program's name in fat
// letters, each in a colour of the cube, raised off the grey by a dark
// extrusion and outline.
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>

#include "model/palette.h"
#include "render/qt/qt_canvas.h"
#include "ui/art/artwork.h"

namespace rotalo {

namespace {

constexpr int kWidth = 298;
constexpr int kHeight = 105;

// The letters as outlines, laid out with the font's own advances, scaled
// and centred to fill `box`.
std::array<QPainterPath, 6> LetterPaths(const QString& word, const QRectF& box) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setWeight(QFont::Black);
  font.setPixelSize(100);
  const QFontMetricsF metrics(font);

  std::array<QPainterPath, 6> letters;
  QRectF bounds;
  for (int i = 0; i < 6; ++i) {
    letters[i].addText(metrics.horizontalAdvance(word.left(i)), 0, font, word.mid(i, 1));
    bounds = bounds.united(letters[i].boundingRect());
  }
  if (bounds.isEmpty()) {
    return letters;  // no font at all: an empty title rather than a broken one
  }
  const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
  QTransform fit;
  fit.translate(box.center().x(), box.center().y());
  fit.scale(scale, scale);
  fit.translate(-bounds.center().x(), -bounds.center().y());
  for (auto& letter : letters) {
    letter = fit.map(letter);
  }
  return letters;
}

}  // namespace

QImage TitlePicture(qreal devicePixelRatio) {
  const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1;
  QImage image(static_cast<int>(std::lround(kWidth * ratio)), static_cast<int>(std::lround(kHeight * ratio)),
               QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(kWindowGrey);

  QPainter painter(&image);  // in logical pixels: the image's ratio scales them
  painter.setRenderHint(QPainter::Antialiasing, true);

  // Red, orange, yellow, green, blue, white: round the cube's faces.
  const std::array<int, 6> paletteIndex = {5, 0, 1, 2, 4, 3};
  const double depth = 5;  // of the extrusion, down and to the right
  const auto letters = LetterPaths(QStringLiteral("Rotalo"), QRectF(8, 6, kWidth - 16 - depth, kHeight - 12 - depth));

  const QColor outline(35, 35, 45);
  for (const auto& letter : letters) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawPath(letter.translated(depth + 2, depth + 3));  // soft shadow on the grey
    painter.setBrush(outline);
    for (double step = 1; step <= depth; step += 0.5) {
      painter.drawPath(letter.translated(step, step));
    }
  }
  for (int i = 0; i < 6; ++i) {
    const QColor colour = QtCanvas::ToQColor(kPalette[paletteIndex[i]].value);
    const QRectF bounds = letters[i].boundingRect();
    QLinearGradient face(bounds.topLeft(), bounds.bottomLeft());
    face.setColorAt(0.0, colour.lighter(135));
    face.setColorAt(0.45, colour);
    face.setColorAt(1.0, colour.darker(115));
    QPen edge(outline, 2.5);
    edge.setJoinStyle(Qt::RoundJoin);
    painter.setPen(edge);
    painter.setBrush(face);
    painter.drawPath(letters[i]);
  }
  return image;
}

}  // namespace rotalo
