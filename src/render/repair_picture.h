// The pictures of the repair: the cube with its top layer twisted by up to
// 45 degrees, with chosen pieces of the front left out.
#pragma once

#include "render/canvas.h"
#include "render/context.h"

namespace rotalo {

// a: -1 animates the twist from 0 to -45 degrees, 1 back from -45 to 0, 2
// draws the twisted state once. b, c, d switch the front corner (5, 25, 35),
// the left edge (6, 34) and the right edge (4, 26) on or off. Every frame is
// shown; when d is 0, pending events also run once after each frame.
void DrawRepairPicture(Canvas& canvas, const DrawContext& context, const Vars& vars, FrameHost& host, int a, int b,
                       int c, int d);

}  // namespace rotalo
