// The animated face turn and the turned pictures built from it.
#pragma once

#include "render/canvas.h"
#include "render/context.h"
#include "render/projection.h"

namespace rotalo {

// A point of the layer next to `face` turned by phi about the axis through
// that face's centre and the cube's centre, clockwise seen from outside the
// face for a positive angle.
ModelPoint RotateAboutFace(int face, const ModelPoint& p, double phi);

// Draws the sticker of facelet i at its resting cell turned by phi about
// `face` (phi 0 draws it at rest), in the colour of the current cube.
void DrawTurnedFacelet(Canvas& canvas, const DrawContext& context, const Vars& vars, int facelet, int face, double phi);

// The black square in the plane that separates the layer of `face` from the
// rest of the cube, turned by phi.
void DrawCutSquare(Canvas& canvas, const DrawContext& context, int face, double phi);

// Shows the turn of `face` by q quarter turns (+1 clockwise, -1 anticlockwise
// seen from outside the face; 3 is taken as -1 and written back) in
// FramesPerTurn steps, the last one short of the full turn unless e is 1. It
// only draws: the cube is not changed. Clears TurnBusy on every return. A
// face outside 1..6, or q = 0, draws nothing.
void AnimateTurn(Canvas& canvas, DrawContext& context, const Vars& vars, FrameHost& host, int face, int& q, int e);

}  // namespace rotalo
