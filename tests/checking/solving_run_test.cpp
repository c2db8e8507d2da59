#include "checking/solving_run.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "checking/entry_check.h"
#include "model/moves.h"
#include "support/cubes.h"
#include "support/painting.h"

namespace rotalo {
namespace {

using testing::Moves;

// A host that writes down what the window would be asked to do, in order:
// E for pending events, - and + for hiding and showing the cube, R a repair.
class LoggingHost : public SolveHost {
 public:
  void ProcessEventsOnce() override { log += 'E'; }
  void SetCubeVisible(bool visible) override { log += visible ? '+' : '-'; }
  void Repair(Vars& vars, const Faults& faults) override {
    log += 'R';
    SolveHost::Repair(vars, faults);
  }
  std::string log;
};

// A real cube is solved in one run; one taken apart and put back wrongly is
// repaired once (all three faults) and solved in a second run. The cube is
// hidden while each run works.
TEST(SolveOrRepair, SolvesInOneRunOrRepairsOnceAndSolvesInASecond) {
  std::mt19937 rng(8);
  const struct {
    Vars cube;
    const char* log;
    Faults faults;
  } cases[] = {
      {testing::TurnedVars(Moves("21 43 62 51 33")), "E-+", {}},
      {testing::Reassembled(rng, 2, true, true), "E-+RE-+", {2, 1, 1}},
  };
  for (const auto& c : cases) {
    Vars vars = c.cube;
    ASSERT_TRUE(SubmitEntry(vars).Accepted());
    vars.MoveString = "junk";
    LoggingHost host;
    const SolveReport report = SolveOrRepair(vars, host);
    EXPECT_EQ(host.log, c.log);
    const std::size_t runs = c.faults.Any() ? 2 : 1;
    ASSERT_TRUE(report.solved && report.runs.size() == runs && report.repaired.size() == runs - 1) << c.log;
    EXPECT_TRUE(report.runs[0] == c.faults && (runs == 1 || report.repaired[0] == vars.Facelet[0])) << c.log;
    EXPECT_EQ(report.MoveCount, TokenCount(vars.MoveString));
    EXPECT_TRUE(testing::SolutionSolves(vars, vars.MoveString));
    EXPECT_EQ(vars.current(), vars.Facelet[0]);  // the picture shows the start again
    const std::string first = vars.MoveString;
    SolveOrRepair(vars);
    EXPECT_EQ(vars.MoveString, first);  // a second solve starts afresh from buffer 0
  }
}

TEST(Repairs, ActOnBufferZeroAndShowAtOnce) {
  Vars vars = testing::TurnedVars("");
  vars.CurBuffer = 2;
  const Buffer& stored = vars.Facelet[0];
  TwistStoredCorner(vars, 1);  // 5 takes the colour of 25, 25 of 35, 35 of 5
  EXPECT_TRUE(stored[5] == 4 && stored[25] == 5 && stored[35] == 1 && vars.current() == stored);
  TwistStoredCorner(vars, 2);
  EXPECT_TRUE(IsSolved(stored));
  SwapStoredEdges(vars);  // the 6/34 edge now sits at 4/26
  EXPECT_TRUE(stored[4] == 1 && stored[26] == 5 && stored[34] == 4 && vars.current() == stored);
  FlipStoredEdge(vars);
  EXPECT_TRUE(stored[6] == 4 && stored[34] == 1 && vars.current() == stored);
}

}  // namespace
}  // namespace rotalo
