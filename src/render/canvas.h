// The drawing surface the cube is drawn on: a picture box with a background
// picture, a pen and straight lines. Coordinates are drawing units; the box
// maps them linearly onto its pixels (origin top left, y downwards).
#pragma once

#include "model/cube.h"

namespace rotalo {

// The two background pictures the drawing area can show.
enum class Background {
  Arrows,  // sky with the three double-headed rotation arrows (painting)
  Plain,   // the same sky without arrows
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Restores the background picture over the whole area.
  virtual void Clear() = 0;
  virtual void SetPenWidth(int pixels) = 0;
  virtual void SetPenColour(Colour colour) = 0;  // 0x00BBGGRR
  // A straight line in the current pen, in drawing units.
  virtual void Line(int x1, int y1, int x2, int y2) = 0;

  virtual void SetBackground(Background background) = 0;
  // Size in pixels and scale in drawing units of the area.
  virtual void SetSize(int width, int height) = 0;
  virtual void SetScale(double width, double height) = 0;

  // Tells the canvas which sticker the following lines draw (a facelet
  // 1..54, or 0 for a black face that belongs to no facelet). Only canvases
  // that record their calls care.
  virtual void BeginSticker(int /*facelet*/) {}
};

}  // namespace rotalo
