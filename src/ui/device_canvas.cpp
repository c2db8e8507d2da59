#include "ui/device_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace rotalo::ui {

DeviceCanvas::DeviceCanvas(QtCanvas& target, double ratio) : target_(target), ratio_(std::max(ratio, 1.0)) {
  target_.SetBackgroundRatio(ratio_);
  Apply();
}

int DeviceCanvas::First(int x) const {
  // A little over the exact product, so that 1.25 * 4 is 5 and not 4.
  return static_cast<int>(std::floor(x * ratio_ + 1e-9));
}

void DeviceCanvas::Apply() {
  natural_ = width_ == scaleWidth_ && height_ == scaleHeight_;
  const int deviceWidth = First(width_);
  const int deviceHeight = First(height_);
  target_.SetSize(deviceWidth, deviceHeight);
  // One device pixel for one unit of the target: the fast path. At another
  // scale the toolkit maps the units, and pens keep their device width.
  if (natural_) {
    target_.SetScale(deviceWidth, deviceHeight);
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
  target_.SetPenWidth(static_cast<int>(std::lround(pixels * ratio_)));
}

void DeviceCanvas::Line(int x1, int y1, int x2, int y2) {
  if (!natural_) {
    target_.Line(x1, y1, x2, y2);
    return;
  }
  // A drawing pixel (x, y) is the block of device pixels from First(x) to
  // Last(x) across and First(y) to Last(y) down. The target widens a line to
  // the left of a steep one and above a shallow one, so the line runs along
  // the block's last column or row, with a pen as wide as the blocks it
  // covers there; along its length it runs through the middle of the
  // blocks, and a vertical line covers both end blocks whole.
  const int w = std::max(penWidth_, 1);
  if (x1 == x2) {
    const int top = std::min(y1, y2);
    const int bottom = std::max(y1, y2);
    target_.SetPenWidth(Covered(x1, w));
    target_.Line(Last(x1), First(top), Last(x1), Last(bottom));
  } else if (std::abs(y2 - y1) >= std::abs(x2 - x1)) {
    target_.SetPenWidth(std::max(Covered(x1, w), Covered(x2, w)));
    target_.Line(Last(x1), Middle(y1), Last(x2), Middle(y2));
  } else {
    target_.SetPenWidth(std::max(Covered(y1, w), Covered(y2, w)));
    target_.Line(Middle(x1), Last(y1), Middle(x2), Last(y2));
  }
}

}  // namespace rotalo::ui
