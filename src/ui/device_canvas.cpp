#include "ui/device_canvas.h"

#include <algorithm>
#include <cstdlib>

namespace rotalo::ui {

DeviceCanvas::DeviceCanvas(QtCanvas& target, int ratio) : target_(target), ratio_(std::max(ratio, 1)) {
  target_.SetBackgroundRatio(ratio_);
  Apply();
}

void DeviceCanvas::Apply() {
  natural_ = width_ == scaleWidth_ && height_ == scaleHeight_;
  target_.SetSize(width_ * ratio_, height_ * ratio_);
  // One device pixel for one unit of the target: the fast path. At another
  // scale the toolkit maps the units, and pens keep their device width.
  if (natural_) {
    target_.SetScale(width_ * ratio_, height_ * ratio_);
  } else {
    target_.SetScale(scaleWidth_, scaleHeight_);
  }
  SetPenWidth(penWidth_);
}

void DeviceCanvas::SetSize(int width, int height) {
  if (width < 1 || height < 1) {
    return;
  }
  width_ = width;
  height_ = height;
  Apply();
}

void DeviceCanvas::SetScale(double width, double height) {
  if (!(width > 0) || !(height > 0)) {
    return;
  }
  scaleWidth_ = width;
  scaleHeight_ = height;
  Apply();
}

void DeviceCanvas::SetPenWidth(int pixels) {
  penWidth_ = pixels;
  target_.SetPenWidth(pixels * ratio_);
}

void DeviceCanvas::Line(int x1, int y1, int x2, int y2) {
  if (!natural_) {
    target_.Line(x1, y1, x2, y2);
    return;
  }
  // A drawing pixel (x, y) is the block of device pixels from (x, y) * n to
  // (x, y) * n + n - 1. The target widens a line to the left of a steep one
  // and above a shallow one, so the line runs along the block's last column
  // or row; along its length it runs through the middle of the blocks, and a
  // vertical line covers both end blocks whole.
  const int n = ratio_;
  const int last = n - 1;
  const int middle = last / 2;
  if (x1 == x2) {
    const int top = std::min(y1, y2);
    const int bottom = std::max(y1, y2);
    target_.Line(x1 * n + last, top * n, x1 * n + last, bottom * n + last);
  } else if (std::abs(y2 - y1) >= std::abs(x2 - x1)) {
    target_.Line(x1 * n + last, y1 * n + middle, x2 * n + last, y2 * n + middle);
  } else {
    target_.Line(x1 * n + middle, y1 * n + last, x2 * n + middle, y2 * n + last);
  }
}

}  // namespace rotalo::ui
