#include "ui/picture_box.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "render/picking.h"
#include "ui/cube_accessible.h"

namespace rotalo::ui {

PictureBox::PictureBox(QWidget* parent, double ratio) : QWidget(parent), screenRatio_(!(ratio > 0)) {
  UseRatio(screenRatio_ ? devicePixelRatioF() : ratio);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  InstallCubeAccessibility();
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName(tr("Cube"));
  setAccessibleDescription(tr("Drawing of the cube: the top face and the two front faces"));
  resize(boxWidth_, boxHeight_);
}

void PictureBox::UseRatio(double ratio) {
  ratio_ = std::max(ratio, 1.0);
  if (ratio_ > 1) {
    device_ = std::make_unique<DeviceCanvas>(surface_, ratio_);
  } else {
    device_.reset();
    surface_.SetBackgroundRatio(1);
  }
  canvas().SetSize(boxWidth_, boxHeight_);
  canvas().SetScale(scaleWidth_, scaleHeight_);
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
  if (screenRatio_ && std::max(devicePixelRatioF(), 1.0) != ratio_) {
    // On a screen with another scale: drawn again at its ratio.
    UseRatio(devicePixelRatioF());
    if (onRatioChanged) {
      onRatioChanged();
    }
  }
  QPainter painter(this);
  painter.drawImage(QRectF(0, 0, boxWidth_, boxHeight_), surface_.Image());
  if (hasFocus() && cursorPlace_ >= 0) {
    // A black and a white line side by side, inside the sticker's edges: one
    // of them shows on any colour.
    QPolygonF outline = StickerPolygon(cursorPlace_);
    const QPointF middle = (outline[0] + outline[2]) / 2;
    for (QPointF& corner : outline) {
      corner = middle + (corner - middle) * 0.7;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolygon(outline);
    painter.setPen(QPen(Qt::white, 2, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolygon(outline);
  }
}

void PictureBox::SetCursorPlace(int index) {
  if (index == cursorPlace_) {
    return;
  }
  cursorPlace_ = index;
  update();
  TellCursor();
}

QPolygonF PictureBox::StickerPolygon(int index) const {
  QPolygonF polygon;
  if (context_ == nullptr || index < 0 || index >= kVisibleStickers) {
    return polygon;
  }
  for (const DrawPointF& p : PlaceOutline(*context_, PlaceAt(index))) {
    polygon << QPointF(static_cast<double>(p.x) * boxWidth_ / scaleWidth_,
                       static_cast<double>(p.y) * boxHeight_ / scaleHeight_);
  }
  return polygon;
}

void PictureBox::StickersChanged() {
  if (QAccessible::isActive() && cursorPlace_ >= 0) {
    QAccessibleEvent event(this, QAccessible::NameChanged);
    event.setChild(cursorPlace_);
    QAccessible::updateAccessibility(&event);
  }
}

void PictureBox::TellCursor() {
  if (QAccessible::isActive() && hasFocus() && cursorPlace_ >= 0) {
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(cursorPlace_);
    QAccessible::updateAccessibility(&event);
  }
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
  if (onKeyPress && onKeyPress(event->key(), event->modifiers())) {
    event->accept();
    return;
  }
  event->ignore();
}

void PictureBox::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
  TellCursor();
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
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
  if (cut_ && cut_()) {
    return;
  }
  box_.Present(true);
  services_.HoldFrame();
}

void PictureFrames::ProcessEventsOnce() {
  if (cut_ && cut_()) {
    return;
  }
  services_.ProcessEventsOnce();
}

}  // namespace rotalo::ui
