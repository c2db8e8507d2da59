// Windows are laid out in twips (1/1440 inch) at design size, then scaled at
// load to a fixed size in pixels, whatever the screen's resolution.
#pragma once

#include <QRect>

#include "ui/services.h"

class QWidget;

namespace rotalo::ui {

struct TwipsRect {
  int left, top, width, height;
};

class FormScaler {
 public:
  // designWidth/Height: the client area at design time, in twips; pixels:
  // the client size the window gets; allowance: what the frame, title bar
  // and menu bar add to the outer size, in twips.
  FormScaler(const Services& services, int designWidth, int designHeight, int pixelWidth, int pixelHeight,
             int allowanceWidth, int allowanceHeight);

  double FactorX() const { return factorX_; }
  double FactorY() const { return factorY_; }
  // The window's outer size and its position centred on its screen, in
  // twips from the screen's corner.
  int OuterWidthTwips() const { return outerWidth_; }
  int OuterHeightTwips() const { return outerHeight_; }
  int LeftTwips() const { return left_; }
  int TopTwips() const { return top_; }
  QSize ClientPixels() const { return {pixelWidth_, pixelHeight_}; }
  // The position on the desktop, in pixels.
  QPoint PositionPixels() const;

  // A control's rectangle in pixels, scaled by the factors or as designed.
  QRect Scaled(const TwipsRect& twips) const;
  QRect Unscaled(const TwipsRect& twips) const;
  // Places `widget` at the scaled rectangle; fontPoints > 0 also sets its
  // font size, scaled by the horizontal factor.
  void Place(QWidget& widget, const TwipsRect& twips, double fontPoints = 0) const;

 private:
  int tppX_, tppY_;
  int pixelWidth_, pixelHeight_;
  QPoint origin_;  // the screen's corner on the desktop
  int outerWidth_, outerHeight_;
  int left_, top_;
  double factorX_, factorY_;
};

}  // namespace rotalo::ui
