// From a point of the drawing back to the cube: which sticker lies under the
// mouse, and which of the six arrow heads around the cube it is on.
#pragma once

#include <array>

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

// The keyboard's way onto the drawing: a cursor on one of the 27 stickers of
// the three drawn faces. A place is a face region (1 top, 4 right front, 5
// left front) and a cell (u, v), each 0..2, counted as picking counts them.
struct StickerPlace {
  int face = 1;
  int u = 0;
  int v = 0;
  friend bool operator==(const StickerPlace&, const StickerPlace&) = default;
};

inline constexpr int kVisibleStickers = 27;
// Places numbered 0..26: the top face, then the left front face, then the
// right front face, each row by row (v, then u).
int PlaceIndex(const StickerPlace& place);
StickerPlace PlaceAt(int index);
// The facelet (1..54) drawn at the place.
int StickerAt(const StickerPlace& place);

// The four corners of the sticker's cell in drawing units, round its edge.
struct DrawPointF {
  float x = 0, y = 0;
};
std::array<DrawPointF, 4> PlaceOutline(const DrawContext& context, const StickerPlace& place);

// Where an arrow key takes the cursor. The two front faces make one row of
// six columns: left and right go along it, across the edge where the faces
// meet; up and down go along a column, and up from the top row steps onto the
// sticker of the top face beside it. On the top face, drawn as a diamond, up
// and down go straight up and down the screen and left and right straight
// across, following the diamond's edge where the straight way leaves the
// face; down from its front edge steps onto the front face beside it, and
// from its front corner onto `frontFace`, the front face the cursor came from.
// At the outer edge of the drawing the cursor stays.
enum class CursorMove { Left, Right, Up, Down };
StickerPlace MoveCursor(const StickerPlace& from, CursorMove move, int frontFace = 4);

// Where the place lies, for putting in words ("Top face, back row, left"):
// the face as drawn, its row and its column. The top face is described as
// seen from the left front face, whose top row borders its front row.
struct PlaceWords {
  enum class Face { Top, LeftFront, RightFront } face = Face::Top;
  int row = 0;     // top face: 0 front, 1 middle, 2 back; front faces: 0 top, 1 middle, 2 bottom
  int column = 0;  // 0 left, 1 centre, 2 right
  friend bool operator==(const PlaceWords&, const PlaceWords&) = default;
};
PlaceWords DescribePlace(const StickerPlace& place);

}  // namespace rotalo
