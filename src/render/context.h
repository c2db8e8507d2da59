// The window-level values the drawing procedures read and write, and the one
// toolkit service they call between the frames of an animation.
#pragma once

#include <cmath>

#include "model/cube.h"

namespace rotalo {

struct DrawContext {
  // The projection: drawing units per model unit and the drawing position of
  // the model origin, the near top corner of the cube.
  int DrawScale = 30;
  int OriginX = 115;
  int OriginY = 115;
  float Root3 = static_cast<float>(std::pow(3.0, 0.5));

  int FramesPerTurn = 6;  // animation steps per quarter turn
  int TurnBusy = 0;       // set by callers before AnimateTurn, cleared by it
  int CubeVisible = 1;    // DrawCube draws the cube only while this is 1

  // FramesPerTurn as the animations use it: at least one step.
  int StepsPerTurn() const { return FramesPerTurn > 0 ? FramesPerTurn : 1; }
};

// The program's value of pi in all drawing.
inline constexpr double kPi = 3.141593;

class FrameHost {
 public:
  virtual ~FrameHost() = default;
  // A frame of an animation is complete: show it.
  virtual void ShowFrame() {}
  // Let pending events of the window run once, nested in the animation.
  virtual void ProcessEventsOnce() {}
  // Both, which is what most animations do after each frame.
  void FrameDone() {
    ShowFrame();
    ProcessEventsOnce();
  }
};

}  // namespace rotalo
