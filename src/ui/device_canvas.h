// The drawing on a screen with several device pixels for each of the
// program's: the same lines, each covering the device pixels of the drawing
// pixels it covers, so the picture is sharp instead of enlarged.
#pragma once

#include "render/qt/qt_canvas.h"

namespace rotalo::ui {

class DeviceCanvas final : public Canvas {
 public:
  // `ratio` device pixels for each drawing pixel, a whole number.
  DeviceCanvas(QtCanvas& target, int ratio);

  void Clear() override { target_.Clear(); }
  void SetPenWidth(int pixels) override;
  void SetPenColour(Colour colour) override { target_.SetPenColour(colour); }
  void Line(int x1, int y1, int x2, int y2) override;
  void SetBackground(Background background) override { target_.SetBackground(background); }
  void SetSize(int width, int height) override;
  void SetScale(double width, double height) override;
  void BeginSticker(int facelet) override { target_.BeginSticker(facelet); }

  int Ratio() const { return ratio_; }

 private:
  void Apply();

  QtCanvas& target_;
  int ratio_;
  int width_ = 230;
  int height_ = 230;
  double scaleWidth_ = 230;
  double scaleHeight_ = 230;
  int penWidth_ = 1;
  bool natural_ = true;
};

}  // namespace rotalo::ui
