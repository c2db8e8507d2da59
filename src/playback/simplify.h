// Shortening a recorded solution before it is played.
#pragma once

#include <string>

#include "model/cube.h"

namespace rotalo {

struct Simplified {
  std::string SolutionText;  // the shortened solution, markers included
  int MoveCount = 0;         // its tokens, the two markers included
};

// Drops turns of 0 and merges neighbouring turns of the same face, pass after
// pass until a pass changes nothing. Turns on either side of a marker are
// never merged, and a solution of three tokens or fewer is left as it is.
Simplified SimplifySolution(const std::string& moves);

// The same on the recorded solution of the cube state, which then holds the
// shortened solution in MoveString, as playback and its Back step read it.
Simplified SimplifyMoveString(Vars& vars);

}  // namespace rotalo
