// The solved cube of the start-up window, drawn by the same DrawCube as the
// main window's picture box, only smaller and on the window grey.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <utility>

#include "model/cube.h"
#include "model/jumble.h"
#include "model/palette.h"
#include "render/cube_drawing.h"
#include "render/qt/qt_canvas.h"
#include "ui/art/artwork.h"

namespace rotalo {

namespace {

constexpr int kUnits = 230;                // the drawing area in drawing units
constexpr Colour kGreyValue = 0x00C0C0C0;  // the window grey as a pen colour

// Hands the drawing on to a QtCanvas whose pixels are not its drawing units,
// keeping what the lines cover at one pixel per unit: a line covers whole
// units, a pen w units wide covers w of them left of a steep line or above a
// shallow one, so that the outlines hide the ragged ends of the filling
// lines as in the main window.
//
// The target is scaled to a grid twice as fine as needed and every line is
// placed in the middle of the unit it covers, not on its edge: the toolkit
// gives a line the pixel its position falls in, and an edge that falls just
// below a pixel boundary would take the pixel above. Made smaller, each line
// is one line with a pen as many pixels wide as the scaled width. Made
// larger, each unit is split into as many finer units as it has pixels and
// covered by a one-pixel line in each of them, so that neighbouring lines
// meet. Clearing covers the sky with grey rows.
class GreyScaledCanvas final : public Canvas {
 public:
  GreyScaledCanvas(QtCanvas& target, double pixelsPerUnit)
      : target_(target),
        pixelsPerUnit_(pixelsPerUnit),
        split_(std::max(1, static_cast<int>(std::ceil(pixelsPerUnit)))) {
    SetScale(kUnits, kUnits);
    SetPenWidth(1);
  }

  void Clear() override {
    target_.Clear();
    target_.SetPenColour(kGreyValue);
    target_.SetPenWidth(2);
    const int grid = kUnits * 2 * split_;
    for (int y = 0; y <= grid; ++y) {
      target_.Line(0, y, grid, y);
    }
    SetPenWidth(penWidth_);
    target_.SetPenColour(penColour_);
  }
  void SetPenWidth(int pixels) override {
    penWidth_ = std::max(1, pixels);
    const int scaled = std::max(1, static_cast<int>(std::ceil(penWidth_ * pixelsPerUnit_)));
    target_.SetPenWidth(split_ == 1 ? scaled : 1);
  }
  void SetPenColour(Colour colour) override {
    penColour_ = colour;
    target_.SetPenColour(colour);
  }
  void Line(int x1, int y1, int x2, int y2) override {
    const int n = split_;
    const bool steep = std::abs(y2 - y1) >= std::abs(x2 - x1);
    // Along the line: from the middle of its first unit to the middle of its
    // last, or for a vertical line from the top of the first finer unit to
    // the bottom of the last. Enlarged, a vertical line starts a step lower,
    // so that it never takes a pixel whose middle lies above its first unit:
    // the outline above hides the step, and no filling shows past it.
    int a1 = steep ? y1 : x1;
    int a2 = steep ? y2 : x2;
    if (x1 == x2) {
      if (a2 < a1) {
        std::swap(a1, a2);
      }
      a1 = Mid(a1 * n) + (n > 1 ? 1 : 0);
      a2 = Mid(a2 * n + n - 1);
    } else {
      a1 = a1 * 2 * n + n;
      a2 = a2 * 2 * n + n;
    }
    // Across it: the units it covers, from w - 1 before its own to its own.
    const int c1 = steep ? x1 : y1;
    const int c2 = steep ? x2 : y2;
    const auto line = [&](int offset) {
      if (steep) {
        target_.Line(c1 * 2 * n + offset, a1, c2 * 2 * n + offset, a2);
      } else {
        target_.Line(a1, c1 * 2 * n + offset, a2, c2 * 2 * n + offset);
      }
    };
    if (n == 1) {
      line(2 - penWidth_);  // the middle of the covered units
      return;
    }
    // Lines placed finer than a unit no longer follow the fillings' unit
    // steps, so the outlines take half a unit more on each side.
    const int extra = penWidth_ > 1 ? (n + 1) / 2 : 0;
    for (int k = -(penWidth_ - 1) * n - extra; k < n + extra; ++k) {
      line(Mid(k));
    }
  }
  void SetBackground(Background background) override { target_.SetBackground(background); }
  void SetSize(int width, int height) override { target_.SetSize(width, height); }
  void SetScale(double width, double height) override { target_.SetScale(width * 2 * split_, height * 2 * split_); }

 private:
  // The middle of finer unit k in the doubled grid.
  static int Mid(int k) { return 2 * k + 1; }

  QtCanvas& target_;
  double pixelsPerUnit_;
  int split_;  // finer units per drawing unit
  int penWidth_ = 1;
  Colour penColour_ = 0;
};

// The cube of `vars` (its buffer 0) on the window grey.
QImage CubePicture(const Vars& vars, qreal devicePixelRatio) {
  const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1;
  const int side = std::max(1, static_cast<int>(std::lround(200 * ratio)));

  QtCanvas canvas;
  canvas.SetBackground(Background::Plain);
  canvas.SetSize(side, side);
  GreyScaledCanvas grey(canvas, static_cast<double>(side) / kUnits);
  DrawCube(grey, DrawContext{}, vars);

  QImage image = canvas.Image().copy();
  image.setDevicePixelRatio(ratio);
  return image;
}

Vars SolvedCube() {
  Vars vars;
  ChooseColours(vars, {0, 1, 2, 3, 4, 5});  // Orange, Yellow, Green, White, Blue, Red on faces 1..6
  vars.FaceColourValue[0] = kGreyValue;
  vars.CurBuffer = 0;
  FillSolved(vars, 0);
  return vars;
}

}  // namespace

QImage SolvedCubePicture(qreal devicePixelRatio) {
  return CubePicture(SolvedCube(), devicePixelRatio);
}

QImage JumbledCubePicture(qreal devicePixelRatio) {
  Vars vars = SolvedCube();
  std::minstd_rand random(7);
  JumbleCube(vars, [&random] {
    return static_cast<float>(static_cast<double>(random() - random.min()) / (random.max() - random.min() + 1.0));
  });
  return CubePicture(vars, devicePixelRatio);
}

}  // namespace rotalo
