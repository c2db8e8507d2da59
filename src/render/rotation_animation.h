// The animated quarter turn of the whole cube about the axis of a visible
// face, which then rotates the stored cube and draws it at rest.
#pragma once

#include "render/canvas.h"
#include "render/context.h"

namespace rotalo {

// axis 1, 4 or 5 (anything else does nothing at all); q +1 or -1 (3 is taken
// as -1 and written back), the sense in which that face turns clockwise.
// FramesPerTurn - 1 frames, then the stored cube is rotated (its two outer
// layers with TurnFace, so recorded while RecordMoves is 1) and DrawCube
// shows it.
void AnimateRotation(Canvas& canvas, const DrawContext& context, Vars& vars, FrameHost& host, int axis, int& q);

}  // namespace rotalo
