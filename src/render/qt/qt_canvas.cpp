#include "render/qt/qt_canvas.h"

#include <QPen>

namespace rotalo {

QColor QtCanvas::ToQColor(Colour colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

QtCanvas::QtCanvas() : backgroundImage_(MakeBackground(background_)) {
  pending_.reserve(2048);
  Restart();
  Clear();
}

QtCanvas::~QtCanvas() {
  if (painter_) {
    painter_->end();
  }
}

void QtCanvas::Restart() {
  if (painter_) {
    painter_->end();
  }
  pending_.clear();
  image_ = QImage(width_, height_, QImage::Format_RGB32);
  image_.fill(Qt::white);
  painter_ = std::make_unique<QPainter>(&image_);
  painter_->setRenderHint(QPainter::Antialiasing, false);
  painter_->setTransform(QTransform::fromScale(width_ / scaleWidth_, height_ / scaleHeight_));
  penChanged_ = true;
}

void QtCanvas::Flush() {
  if (pending_.empty()) {
    return;
  }
  if (penChanged_) {
    QPen pen(ToQColor(penColour_));
    pen.setWidth(penWidth_);
    pen.setCosmetic(true);  // widths are in pixels whatever the scale
    pen.setCapStyle(Qt::SquareCap);
    painter_->setPen(pen);
    penChanged_ = false;
  }
  painter_->drawLines(pending_.data(), static_cast<int>(pending_.size()));
  pending_.clear();
}

void QtCanvas::Clear() {
  pending_.clear();
  painter_->save();
  painter_->resetTransform();
  painter_->setCompositionMode(QPainter::CompositionMode_Source);
  painter_->fillRect(0, 0, width_, height_, QColor(200, 225, 250));  // the sky's lower edge
  painter_->drawImage(0, 0, backgroundImage_);
  painter_->restore();
}

void QtCanvas::SetPenWidth(int pixels) {
  if (pixels != penWidth_) {
    Flush();
    penWidth_ = pixels;
    penChanged_ = true;
  }
}

void QtCanvas::SetPenColour(Colour colour) {
  if (colour != penColour_) {
    Flush();
    penColour_ = colour;
    penChanged_ = true;
  }
}

void QtCanvas::Line(int x1, int y1, int x2, int y2) {
  pending_.emplace_back(x1, y1, x2, y2);
}

void QtCanvas::SetBackground(Background background) {
  Flush();
  background_ = background;
  backgroundImage_ = MakeBackground(background);
}

void QtCanvas::SetSize(int width, int height) {
  if (width < 1 || height < 1) {
    return;
  }
  Flush();
  width_ = width;
  height_ = height;
  Restart();
  Clear();
}

void QtCanvas::SetScale(double width, double height) {
  if (!(width > 0) || !(height > 0)) {
    return;
  }
  Flush();
  scaleWidth_ = width;
  scaleHeight_ = height;
  painter_->setTransform(QTransform::fromScale(width_ / scaleWidth_, height_ / scaleHeight_));
}

const QImage& QtCanvas::Image() {
  Flush();
  return image_;
}

}  // namespace rotalo
