#include "render/qt/qt_canvas.h"

#include <QPen>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <tuple>
#include <utility>

namespace rotalo {

QColor QtCanvas::ToQColor(Colour colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

QtCanvas::QtCanvas() : backgroundImage_(MakeBackground(Background::Arrows)), penRgb_(ToQColor(penColour_).rgb()) {
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
  bits_ = image_.bits();
  stride_ = image_.bytesPerLine();
  painter_ = std::make_unique<QPainter>(&image_);
  painter_->setRenderHint(QPainter::Antialiasing, false);
  ApplyScale();
}

void QtCanvas::ApplyScale() {
  naturalScale_ = width_ == scaleWidth_ && height_ == scaleHeight_;
  // No transform at all at the natural scale: QPainter draws faster so.
  if (naturalScale_) {
    painter_->resetTransform();
  } else {
    painter_->setTransform(QTransform::fromScale(width_ / scaleWidth_, height_ / scaleHeight_));
  }
  penChanged_ = true;  // the pen width depends on the scale
}

void QtCanvas::Flush() {
  if (pending_.empty()) {
    return;
  }
  if (penChanged_) {
    QPen pen(ToQColor(penColour_));
    pen.setWidth(naturalScale_ ? 1 : penWidth_);
    pen.setCosmetic(true);  // widths are in pixels whatever the scale
    pen.setCapStyle(Qt::SquareCap);
    painter_->setPen(pen);
    penChanged_ = false;
  }
  if (naturalScale_ && pending_.size() > 1) {
    // One-pixel lines come out the same whichever end they start from, and
    // an opaque line drawn twice changes nothing: neighbouring stickers share
    // their sides, so each side is drawn once.
    for (QLine& line : pending_) {
      if (std::pair(line.x2(), line.y2()) < std::pair(line.x1(), line.y1())) {
        line = QLine(line.p2(), line.p1());
      }
    }
    const auto key = [](const QLine& l) { return std::tuple(l.x1(), l.y1(), l.x2(), l.y2()); };
    std::sort(pending_.begin(), pending_.end(), [&](const QLine& a, const QLine& b) { return key(a) < key(b); });
    pending_.erase(std::unique(pending_.begin(), pending_.end()), pending_.end());
  }
  painter_->drawLines(pending_.data(), static_cast<int>(pending_.size()));
  pending_.clear();
}

void QtCanvas::Clear() {
  pending_.clear();
  // The picture row by row; below and right of it, the sky's lower edge.
  const QRgb below = qRgb(200, 225, 250);
  const int copyWidth = std::min(width_, backgroundImage_.width());
  for (int y = 0; y < height_; ++y) {
    auto* row = reinterpret_cast<QRgb*>(bits_ + y * stride_);
    int x = 0;
    if (y < backgroundImage_.height()) {
      std::memcpy(row, backgroundImage_.constScanLine(y), static_cast<std::size_t>(copyWidth) * sizeof(QRgb));
      x = copyWidth;
    }
    std::fill(row + x, row + width_, below);
  }
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
    penRgb_ = ToQColor(colour).rgb();
    penChanged_ = true;
  }
}

void QtCanvas::Line(int x1, int y1, int x2, int y2) {
  if (!naturalScale_) {
    pending_.emplace_back(x1, y1, x2, y2);
    return;
  }
  // A wider line is that many one-pixel lines side by side: to the left of
  // a steep line, above a shallow one.
  const bool steep = std::abs(y2 - y1) >= std::abs(x2 - x1);
  for (int n = 0; n < penWidth_; ++n) {
    const int dx = steep ? -n : 0;
    const int dy = steep ? 0 : -n;
    if (x1 == x2) {
      Column(x1 + dx, y1 + dy, y2 + dy);
    } else {
      pending_.emplace_back(x1 + dx, y1 + dy, x2 + dx, y2 + dy);
    }
  }
}

void QtCanvas::Column(int x, int y1, int y2) {
  if (x < 0 || x >= width_) {
    return;
  }
  int top = std::max(std::min(y1, y2), 0);
  const int bottom = std::min(std::max(y1, y2), height_ - 1);
  if (top > bottom) {
    return;  // wholly above or below the area
  }
  uchar* row = bits_ + top * stride_ + x * static_cast<qsizetype>(sizeof(QRgb));
  for (; top <= bottom; ++top, row += stride_) {
    *reinterpret_cast<QRgb*>(row) = penRgb_;
  }
}

void QtCanvas::SetBackground(Background background) {
  Flush();
  background_ = background;
  backgroundImage_ = MakeBackground(background, backgroundRatio_);
}

void QtCanvas::SetBackgroundRatio(double ratio) {
  backgroundRatio_ = std::max(ratio, 1.0);
  SetBackground(background_);
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
  ApplyScale();
}

const QImage& QtCanvas::Image() {
  Flush();
  return image_;
}

}  // namespace rotalo
