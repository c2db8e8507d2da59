// What every painting must come to, for the random paintings of the tests
// and for the fuzzer alike.
#pragma once

#include <string>

#include "checking/entry_check.h"
#include "checking/solving_run.h"
#include "playback/simplify.h"
#include "support/cubes.h"

namespace rotalo::testing {

// Whether the simplified form of `moves` solves the cube in buffer 0.
inline bool SolutionSolves(const Vars& vars, const std::string& moves) {
  return IsSolved(Applied(vars.Facelet[0], SimplifySolution(moves).SolutionText));
}

// Submits the painting in the current buffer. A rejected one must get a
// message and stay as painted; an accepted one must be solved, after at most
// one repair, by its own simplified solution. Returns what went wrong, or "".
inline std::string PaintingFault(Vars& vars, bool& accepted) {
  const Buffer painted = vars.current();
  const EntryVerdict verdict = SubmitEntry(vars);
  accepted = verdict.Accepted();
  if (!accepted) {
    return EntryMessage(verdict).empty() ? "rejected without a message"
           : vars.current() != painted   ? "rejected, and the painting changed"
                                         : "";
  }
  const SolveReport report = SolveOrRepair(vars);
  if (!report.solved || report.runs.size() > 2) {
    return "accepted but not solved after one repair";
  }
  return SolutionSolves(vars, vars.MoveString) ? "" : "the solution does not solve the cube";
}

}  // namespace rotalo::testing
