#include "ui/swatch.h"

#include <QPainter>

#include "render/qt/qt_canvas.h"

namespace rotalo::ui {

Swatch::Swatch(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::TabFocus);
}

void Swatch::SetFillColour(Colour colour) {
  fill_ = colour;
  update();
}

void Swatch::SetBorderWidth(int width) {
  border_ = width;
  update();
}

void Swatch::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.fillRect(rect().adjusted(border_, border_, -border_, -border_), QtCanvas::ToQColor(fill_));
  if (hasFocus()) {
    QPen dotted(Qt::gray, 1, Qt::DotLine);
    painter.setPen(dotted);
    painter.drawRect(rect().adjusted(border_ + 1, border_ + 1, -border_ - 2, -border_ - 2));
  }
}

}  // namespace rotalo::ui
