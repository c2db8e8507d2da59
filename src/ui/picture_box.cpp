#include "ui/picture_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace rotalo::ui {

PictureBox::PictureBox(QWidget* parent, int ratio) : QWidget(parent) {
  ratio_ = ratio > 0 ? ratio : std::max(1, qRound(devicePixelRatioF()));
  if (ratio_ > 1) {
    device_ = std::make_unique<DeviceCanvas>(surface_, ratio_);
  }
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName(tr("Cube"));
  setAccessibleDescription(tr("Drawing of the cube: the top face and the two front faces"));
  resize(boxWidth_, boxHeight_);
}

void PictureBox::SetBoxSize(int width, int height) {
  boxWidth_ = width;
  boxHeight_ = height;
  canvas().SetSize(width, height);
  resize(width, height);
}

void PictureBox::SetBoxScale(double width, double height) {
  scaleWidth_ = width;
  scaleHeight_ = height;
  canvas().SetScale(width, height);
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
  painter.drawImage(QRectF(0, 0, boxWidth_, boxHeight_), surface_.Image());
}

QPointF PictureBox::ToUnits(QPointF pixels) const {
  return {pixels.x() * scaleWidth_ / boxWidth_, pixels.y() * scaleHeight_ / boxHeight_};
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
