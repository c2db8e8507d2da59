// From a point of the drawing back to the cube: which sticker lies under the
// mouse, and which of the six arrow heads around the cube it is on.
#pragma once

#include "render/context.h"

namespace rotalo {

// The drawing is split into three regions, each the image of one visible
// face and its extension beyond the face's edges; u and v measure the point
// in sticker widths from the face's corner at the origin. Neither is ever
// negative.
struct Pick {
  int face = 1;  // 4 right, 5 left, 1 top
  float u = 0;
  float v = 0;
  int sticker = 0;  // facelet 1..54 under the point, 0 outside the face
  // The whole-cube rotation of the arrow head under the point, axis 0 when
  // the point is on none.
  int rotationAxis = 0;
  int rotationDirection = 0;

  bool OnSticker() const { return sticker != 0; }
  bool OnArrowHead() const { return rotationAxis != 0; }
};

// x and y in drawing units, as the mouse reports them.
Pick PickAt(const DrawContext& context, float x, float y);

}  // namespace rotalo
