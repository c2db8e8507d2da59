// The drawing area as a QImage drawn with QPainter.
#pragma once

#include <QImage>
#include <QLine>
#include <QPainter>
#include <memory>
#include <vector>

#include "render/canvas.h"

namespace rotalo {

// The two sky pictures, 230 pixels wide: with the rotation arrows (229 high)
// and plain (230 high).
// `ratio` device pixels for one: the same picture, sharper on a screen of
// that many pixels for each of the program's.
QImage MakeBackground(Background background, double ratio = 1);

// Lines of one pen are collected and drawn together when the pen changes, the
// area is cleared or the image is read. One-pixel vertical lines at the
// natural scale, which fill the stickers, are written straight into the image
// with the pixels QPainter would give them (both ends included). At that
// scale a pen of width w draws w one-pixel lines side by side. The image
// returned by Image() is the canvas's own: copy it to keep it.
class QtCanvas final : public Canvas {
 public:
  QtCanvas();
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  void Clear() override;
  void SetPenWidth(int pixels) override;
  void SetPenColour(Colour colour) override;
  void Line(int x1, int y1, int x2, int y2) override;
  void SetBackground(Background background) override;
  // Backgrounds drawn with `ratio` pixels for one, for a canvas that many
  // times the drawing's size.
  void SetBackgroundRatio(double ratio);
  void SetSize(int width, int height) override;
  void SetScale(double width, double height) override;

  // The picture as drawn so far.
  const QImage& Image();
  int Width() const { return width_; }
  int Height() const { return height_; }
  double ScaleWidth() const { return scaleWidth_; }
  double ScaleHeight() const { return scaleHeight_; }

  static QColor ToQColor(Colour colour);

 private:
  void Flush();
  void Restart();
  void Column(int x, int y1, int y2);
  void ApplyScale();

  int width_ = 230;
  int height_ = 230;
  double scaleWidth_ = 230;
  double scaleHeight_ = 230;
  QImage backgroundImage_;
  Background background_ = Background::Arrows;
  double backgroundRatio_ = 1;
  QImage image_;
  std::unique_ptr<QPainter> painter_;
  int penWidth_ = 1;
  Colour penColour_ = 0;
  bool penChanged_ = true;
  bool naturalScale_ = true;  // one drawing unit is one pixel
  QRgb penRgb_ = 0;
  uchar* bits_ = nullptr;  // the pixels QPainter draws into as well
  qsizetype stride_ = 0;
  std::vector<QLine> pending_;
};

}  // namespace rotalo
