#include "checking/solving_run.h"

#include <utility>

namespace rotalo {

void SolveHost::Repair(Vars& vars, const Faults& faults) {
  RepairStoredCube(vars, faults);
}

Faults RunSolvingStages(Vars& vars) {
  Faults faults;
  SolveTopEdges(vars);
  SolveTopCorners(vars);
  vars.MoveString += "AA ";
  SolveMiddleLayer(vars);
  vars.MoveString += "BB ";
  SolveBottomCorners(vars, faults);
  SolveBottomEdges(vars, faults);
  return faults;
}

void TwistStoredCorner(Vars& vars, int times) {
  Buffer& stored = vars.Facelet[0];
  for (int n = 0; n < times; ++n) {
    const Int16 old5 = stored[5];
    stored[5] = stored[25];
    stored[25] = stored[35];
    stored[35] = old5;
  }
  CopyBuffer(vars, 0, vars.CurBuffer);
}

void SwapStoredEdges(Vars& vars) {
  Buffer& stored = vars.Facelet[0];
  std::swap(stored[4], stored[6]);
  std::swap(stored[26], stored[34]);
  CopyBuffer(vars, 0, vars.CurBuffer);
}

void FlipStoredEdge(Vars& vars) {
  Buffer& stored = vars.Facelet[0];
  std::swap(stored[6], stored[34]);
  CopyBuffer(vars, 0, vars.CurBuffer);
}

void RepairStoredCube(Vars& vars, const Faults& faults) {
  if (faults.TwistFault != 0) {
    TwistStoredCorner(vars, faults.TwistFault);
  }
  if (faults.SwapFault != 0) {
    SwapStoredEdges(vars);
  }
  if (faults.FlipFault == 1) {
    FlipStoredEdge(vars);
  }
}

SolveReport SolveOrRepair(Vars& vars, SolveHost& host) {
  SolveReport report;
  while (static_cast<int>(report.runs.size()) < kMaxSolvingRuns) {
    host.ProcessEventsOnce();
    vars.MoveString.clear();
    host.SetCubeVisible(false);
    const Faults faults = RunSolvingStages(vars);
    host.SetCubeVisible(true);
    report.MoveCount = static_cast<int>(vars.MoveString.size() / 3);
    CopyBuffer(vars, 0, vars.CurBuffer);  // the picture shows the start again
    report.runs.push_back(faults);
    if (!faults.Any()) {
      report.solved = true;
      break;
    }
    host.Repair(vars, faults);
    report.repaired.push_back(vars.Facelet[0]);
  }
  return report;
}

SolveReport SolveOrRepair(Vars& vars) {
  SolveHost host;
  return SolveOrRepair(vars, host);
}

}  // namespace rotalo
