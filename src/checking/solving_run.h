// The solving run: the five stages in order from the accepted cube in buffer
// 0, repeated after a repair for as long as the bottom-layer stages report a
// cube that was put back together wrongly.
#pragma once

#include <vector>

#include "model/cube.h"
#include "solver/stages.h"

namespace rotalo {

// What the window does around the runs. The default host repairs buffer 0
// at once, as if the user had followed every instruction.
class SolveHost {
 public:
  virtual ~SolveHost() = default;
  // Called before each run: the window lets pending events run once.
  virtual void ProcessEventsOnce() {}
  // Drawing is switched off while the stages turn the cube.
  virtual void SetCubeVisible(bool /*visible*/) {}
  // Leads the user through the repair of his real cube and makes the same
  // changes to buffer 0.
  virtual void Repair(Vars& vars, const Faults& faults);
};

// The five stages on the current buffer, recording into MoveString, with
// "AA " after the top layer and "BB " after the middle layer.
Faults RunSolvingStages(Vars& vars);

// The three repairs, each acting on buffer 0 the way the user's hands act on
// his real cube, and each copied into the current buffer at once.
// Turns the corner at facelets 5, 25, 35 in place `times` times.
void TwistStoredCorner(Vars& vars, int times);
// Exchanges the edges at facelets 4/26 and 6/34.
void SwapStoredEdges(Vars& vars);
// Turns over the edge at facelets 6/34.
void FlipStoredEdge(Vars& vars);
// All the repairs a run's faults call for, in the order the user makes them.
void RepairStoredCube(Vars& vars, const Faults& faults);

struct SolveReport {
  std::vector<Faults> runs;      // the faults each run reported
  std::vector<Buffer> repaired;  // buffer 0 after each repair
  int MoveCount = 0;             // tokens of the last run, markers included
  bool solved = false;           // the last run reported no fault
};

// A real cube needs at most one repair. A cube that is still faulty after
// this many runs was never a real cube; the loop stops instead of running on.
inline constexpr int kMaxSolvingRuns = 4;

// Runs the stages, repairing through `host` after every run with a fault,
// until a run reports none. Each run empties MoveString, runs the stages with
// drawing off, and copies buffer 0 back into the current buffer. MoveString
// then holds that run's solution and the current buffer the position it
// starts from.
SolveReport SolveOrRepair(Vars& vars, SolveHost& host);
SolveReport SolveOrRepair(Vars& vars);

}  // namespace rotalo
