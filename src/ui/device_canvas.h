// The drawing on a screen with more device pixels than the program's (2 for
// one, or 1.5, 1.25...): the same lines, each covering the device pixels of
// the drawing pixels it covers, so the picture is sharp instead of enlarged.
// Drawing pixel x covers the device pixels from floor(x * ratio) up to the
// next one's first.
#pragma once

#include "render/qt/qt_canvas.h"

namespace rotalo::ui {

class DeviceCanvas final : public Canvas {
 public:
  // `ratio` device pixels for each drawing pixel, at least 1.
  DeviceCanvas(QtCanvas& target, double ratio);

  void Clear() override { target_.Clear(); }
  void SetPenWidth(int pixels) override;
  void SetPenColour(Colour colour) override { target_.SetPenColour(colour); }
  void Line(int x1, int y1, int x2, int y2) override;
  void SetBackground(Background background) override { target_.SetBackground(background); }
  void SetSize(int width, int height) override;
  void SetScale(double width, double height) override;
  void BeginSticker(int facelet) override { target_.BeginSticker(facelet); }

  double Ratio() const { return ratio_; }

 private:
  void Apply();
  // The first device pixel of drawing pixel x, and the last.
  int First(int x) const;
  int Last(int x) const { return First(x + 1) - 1; }
  int Middle(int x) const { return (First(x) + Last(x)) / 2; }
  // The device pixels covered by a pen `width` drawing pixels wide that ends
  // with drawing pixel x.
  int Covered(int x, int width) const { return First(x + 1) - First(x + 1 - width); }

  QtCanvas& target_;
  double ratio_;
  int width_ = 230;
  int height_ = 230;
  double scaleWidth_ = 230;
  double scaleHeight_ = 230;
  int penWidth_ = 1;
  bool natural_ = true;
};

}  // namespace rotalo::ui
