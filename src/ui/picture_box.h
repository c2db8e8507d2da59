// The drawing area of the main window: a canvas shown on screen, with mouse
// presses and moves reported in drawing units.
#pragma once

#include <QWidget>
#include <functional>

#include "render/context.h"
#include "render/qt/qt_canvas.h"
#include "ui/services.h"

namespace rotalo::ui {

class PictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);

  QtCanvas& canvas() { return canvas_; }

  // Size in pixels and scale in drawing units, as the Granularity panel
  // shows and sets them.
  void SetBoxSize(int width, int height);
  void SetBoxScale(double width, double height);
  int BoxWidth() const { return boxWidth_; }
  int BoxHeight() const { return boxHeight_; }
  double ScaleWidth() const { return canvas_.ScaleWidth(); }
  double ScaleHeight() const { return canvas_.ScaleHeight(); }

  // Shows what has been drawn: at once when `now`, else with the next paint.
  void Present(bool now);

  // button: 1 left, 2 right, 4 middle, added up; x, y in drawing units.
  std::function<void(int button, float x, float y)> onMouseDown;
  std::function<void(float x, float y)> onMouseMove;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QPointF ToUnits(QPointF pixels) const;

  QtCanvas canvas_;
  int boxWidth_ = 230;
  int boxHeight_ = 230;
};

// The frames of the window's animations: each one is shown and held on
// screen for the frame time, then pending events run once.
class PictureFrames final : public FrameHost {
 public:
  PictureFrames(PictureBox& box, Services& services) : box_(box), services_(services) {}
  void ShowFrame() override;
  void ProcessEventsOnce() override;

 private:
  PictureBox& box_;
  Services& services_;
};

}  // namespace rotalo::ui
