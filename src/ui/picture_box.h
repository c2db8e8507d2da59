// The drawing area of the main window: a canvas shown on screen, with mouse
// presses and moves reported in drawing units.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "render/context.h"
#include "render/qt/qt_canvas.h"
#include "ui/device_canvas.h"
#include "ui/services.h"

namespace rotalo::ui {

class PictureBox : public QWidget {
  Q_OBJECT

 public:
  // `ratio`: device pixels for each pixel of the drawing (1.5, 2...), 0 for
  // the screen's own, followed when the window moves to another screen.
  explicit PictureBox(QWidget* parent = nullptr, double ratio = 0);

  // What the drawing procedures draw on, and the picture it makes.
  Canvas& canvas() { return device_ ? static_cast<Canvas&>(*device_) : surface_; }
  QtCanvas& surface() { return surface_; }
  double Ratio() const { return ratio_; }
  // Called when the drawing's ratio has changed and the cube must be drawn
  // again (the window moved to a screen with another scale).
  std::function<void()> onRatioChanged;

  // Size in pixels and scale in drawing units, as the Granularity panel
  // shows and sets them.
  void SetBoxSize(int width, int height);
  void SetBoxScale(double width, double height);
  int BoxWidth() const { return boxWidth_; }
  int BoxHeight() const { return boxHeight_; }
  double ScaleWidth() const { return scaleWidth_; }
  double ScaleHeight() const { return scaleHeight_; }

  // Shows what has been drawn: at once when `now`, else with the next paint.
  void Present(bool now);

  // button: 1 left, 2 right, 4 middle, added up; x, y in drawing units.
  std::function<void(int button, float x, float y)> onMouseDown;
  std::function<void(float x, float y)> onMouseMove;
  // A key pressed while the drawing has the focus; false passes it on to
  // the window.
  std::function<bool(int key, Qt::KeyboardModifiers modifiers)> onKeyPress;

  // The 27 stickers the drawing shows, for the keyboard's cursor and for
  // screen readers: their places on the drawing come from the projection,
  // their names from the window.
  void SetDrawContext(const DrawContext* context) { context_ = context; }
  std::function<QString(int index)> stickerName;
  // The sticker under the keyboard's cursor, 0..26, or -1 for none. The
  // cursor is drawn while the drawing has the focus.
  void SetCursorPlace(int index);
  int CursorPlace() const { return cursorPlace_; }
  // The outline of sticker `index` in the widget's pixels.
  QPolygonF StickerPolygon(int index) const;
  // Tells screen readers that the names of the stickers may have changed.
  void StickersChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QPointF ToUnits(QPointF pixels) const;
  void TellCursor();
  // Draws at `ratio` device pixels for one from now on.
  void UseRatio(double ratio);

  QtCanvas surface_;
  std::unique_ptr<DeviceCanvas> device_;  // on screens with more pixels
  double ratio_ = 1;
  bool screenRatio_ = true;  // follows the screen
  int boxWidth_ = 230;
  int boxHeight_ = 230;
  double scaleWidth_ = 230;
  double scaleHeight_ = 230;
  const DrawContext* context_ = nullptr;
  int cursorPlace_ = -1;
};

// The frames of the window's animations: each one is shown and held on
// screen for the frame time, then pending events run once. Once `cut` holds
// the animation runs to its end unseen.
class PictureFrames final : public FrameHost {
 public:
  PictureFrames(PictureBox& box, Services& services, std::function<bool()> cut)
      : box_(box), services_(services), cut_(std::move(cut)) {}
  void ShowFrame() override;
  void ProcessEventsOnce() override;

 private:
  PictureBox& box_;
  Services& services_;
  std::function<bool()> cut_;
};

}  // namespace rotalo::ui
