#include "ui/form_layout.h"

#include <QFont>
#include <QWidget>
#include <cmath>

namespace rotalo::ui {

FormScaler::FormScaler(const Services& services, int designWidth, int designHeight, int pixelWidth, int pixelHeight,
                       int allowanceWidth, int allowanceHeight)
    : tppX_(services.TwipsPerPixelX()),
      tppY_(services.TwipsPerPixelY()),
      pixelWidth_(pixelWidth),
      pixelHeight_(pixelHeight),
      origin_(services.ScreenOrigin()) {
  outerWidth_ = pixelWidth * tppX_ + allowanceWidth;
  outerHeight_ = pixelHeight * tppY_ + allowanceHeight;
  // The new client area is the outer size less the same allowance.
  factorX_ = static_cast<double>(pixelWidth * tppX_) / designWidth;
  factorY_ = static_cast<double>(pixelHeight * tppY_) / designHeight;
  left_ = (services.ScreenWidthTwips() - outerWidth_) / 2;
  top_ = (services.ScreenHeightTwips() - outerHeight_) / 2;
}

QPoint FormScaler::PositionPixels() const {
  return origin_ + QPoint(left_ / tppX_, top_ / tppY_);
}

QRect FormScaler::Scaled(const TwipsRect& t) const {
  const auto x = [&](double twips) { return static_cast<int>(std::lround(twips * factorX_ / tppX_)); };
  const auto y = [&](double twips) { return static_cast<int>(std::lround(twips * factorY_ / tppY_)); };
  return {x(t.left), y(t.top), x(t.width), y(t.height)};
}

QRect FormScaler::Unscaled(const TwipsRect& t) const {
  return {t.left / tppX_, t.top / tppY_, t.width / tppX_, t.height / tppY_};
}

void FormScaler::Place(QWidget& widget, const TwipsRect& twips, double fontPoints) const {
  widget.setGeometry(Scaled(twips));
  if (fontPoints > 0) {
    QFont font = widget.font();
    font.setPointSizeF(fontPoints * factorX_);
    widget.setFont(font);
  }
}

}  // namespace rotalo::ui
