// A brush of the Paint Box: a rectangle filled with one chosen colour, with
// a thick border while it is the selected brush. It is a button, so that it
// can be reached with the keyboard and is announced by screen readers.
#pragma once

#include <QAbstractButton>

#include "model/cube.h"

namespace rotalo::ui {

class Swatch : public QAbstractButton {
  Q_OBJECT

 public:
  explicit Swatch(QWidget* parent = nullptr);

  void SetFillColour(Colour colour);
  Colour FillColour() const { return fill_; }
  void SetBorderWidth(int width);
  int BorderWidth() const { return border_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Colour fill_ = 0;
  int border_ = 1;
};

}  // namespace rotalo::ui
