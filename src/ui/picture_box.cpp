#include "ui/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace rotalo::ui {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName(tr("Cube"));
  setAccessibleDescription(tr("Drawing of the cube: the top face and the two front faces"));
  resize(boxWidth_, boxHeight_);
}

void PictureBox::SetBoxSize(int width, int height) {
  boxWidth_ = width;
  boxHeight_ = height;
  canvas_.SetSize(width, height);
  resize(width, height);
}

void PictureBox::SetBoxScale(double width, double height) {
  canvas_.SetScale(width, height);
}

void PictureBox::Present(bool now) {
  if (now) {
    repaint();
  } else {
    update();
  }
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), canvas_.Image());
}

QPointF PictureBox::ToUnits(QPointF pixels) const {
  return {pixels.x() * canvas_.ScaleWidth() / boxWidth_, pixels.y() * canvas_.ScaleHeight() / boxHeight_};
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  int button = 0;
  if (event->buttons() & Qt::LeftButton) button |= 1;
  if (event->buttons() & Qt::RightButton) button |= 2;
  if (event->buttons() & Qt::MiddleButton) button |= 4;
  if (button == 0) {
    return;
  }
  const QPointF units = ToUnits(event->position());
  if (onMouseDown) {
    onMouseDown(button, static_cast<float>(units.x()), static_cast<float>(units.y()));
  }
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  const QPointF units = ToUnits(event->position());
  if (onMouseMove) {
    onMouseMove(static_cast<float>(units.x()), static_cast<float>(units.y()));
  }
}

void PictureFrames::ShowFrame() {
  box_.Present(true);
  services_.HoldFrame();
}

void PictureFrames::ProcessEventsOnce() {
  services_.ProcessEventsOnce();
}

}  // namespace rotalo::ui
