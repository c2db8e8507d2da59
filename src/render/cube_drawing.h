// The cube at rest: faces 1, 4 and 5 of the current cube in the fixed view.
#pragma once

#include "render/canvas.h"
#include "render/context.h"

namespace rotalo {

// Clears the area and, while CubeVisible is 1, draws the 27 visible stickers:
// all fills first, in vertical lines straight from three screen vectors,
// then all 108 outline sides. Leaves the pen 2 wide and black.
void DrawCube(Canvas& canvas, const DrawContext& context, const Vars& vars);

}  // namespace rotalo
