// One sticker: a parallelogram given by three model corners, filled with
// vertical one-pixel lines and outlined in black.
#pragma once

#include "render/canvas.h"
#include "render/projection.h"

namespace rotalo {

// P1 is the corner where the two given edges meet, P2 and P3 their far
// ends; the fourth corner is formed after projection, in whole pixels. Leaves
// the pen 2 wide and black.
void DrawFacelet(Canvas& canvas, const DrawContext& context, const ModelPoint& p1, const ModelPoint& p2,
                 const ModelPoint& p3, Colour colour);

// The drawing colour of facelet i of the current cube. A value outside 0..6
// cannot come from the program; it is drawn as uncoloured.
Colour FaceletColour(const Vars& vars, int facelet);

}  // namespace rotalo
