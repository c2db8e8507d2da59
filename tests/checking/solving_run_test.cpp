#include "checking/solving_run.h"

#include <gtest/gtest.h>

#include <array>

#include "checking/entry_check.h"
#include "playback/simplify.h"
#include "support/cubes.h"

namespace rotalo {
namespace {

using testing::Moves;

// The solved cube turned by `moves`, painted in the default colours and
// accepted by the entry check.
Vars Accepted(std::string_view moves) {
  Vars vars = testing::TurnedVars(moves);
  EXPECT_TRUE(SubmitEntry(vars).Accepted());
  return vars;
}

constexpr const char* kRecorded =
    "10 31 10 60 53 41 51 10 53 10 10 23 10 61 43 61 41 51 62 53 63 53 63 51 AA 60 43 61 41 61 51 63 53 63 21 "
    "63 23 63 53 61 51 BB 23 63 21 31 61 33 23 61 21 60 62 23 62 21 61 23 61 21 33 51 21 31 53 62 33 51 21 31 53 "
    "53 31 43 51 33 62 53 31 43 51 33 43 21 31 41 23 63 43 21 33 41 23 63 43 21 32 41 23 33 51 21 31 53 62 33 51 "
    "21 31 53";

TEST(SolveOrRepair, RecordsTheWholeSolutionOfAScrambledCube) {
  Vars vars = Accepted(Moves("21 43 62 51 33"));
  const SolveReport report = SolveOrRepair(vars);
  ASSERT_EQ(report.runs.size(), 1u);
  EXPECT_FALSE(report.runs[0].Any());
  EXPECT_TRUE(report.repaired.empty());
  EXPECT_EQ(vars.MoveString, Moves(kRecorded));
  EXPECT_EQ(report.MoveCount, 110);
  // The picture shows the start position again.
  EXPECT_EQ(vars.current(), vars.Facelet[0]);
}

TEST(SolveOrRepair, SolvedCubeRecordsOnlyTurnsOfNothing) {
  Vars vars = Accepted("");
  const SolveReport report = SolveOrRepair(vars);
  EXPECT_TRUE(report.solved);
  EXPECT_EQ(vars.MoveString, "AA BB 60 ");
}

TEST(SolveOrRepair, EachRunStartsFromBufferZeroWithAnEmptyString) {
  Vars vars = Accepted(Moves("21 43 62 51 33"));
  vars.MoveString = "junk";
  SolveOrRepair(vars);
  const std::string first = vars.MoveString;
  SolveOrRepair(vars);
  EXPECT_EQ(vars.MoveString, first);
}

// A host that counts what the window would be asked to do.
class CountingHost : public SolveHost {
 public:
  void ProcessEventsOnce() override { ++events; }
  void SetCubeVisible(bool visible) override { visibleChanges += visible ? 1 : 0; }
  void Repair(Vars& vars, const Faults& faults) override {
    ++repairs;
    SolveHost::Repair(vars, faults);
  }
  int events = 0;
  int visibleChanges = 0;
  int repairs = 0;
};

TEST(SolveOrRepair, SolvableCubeGoesStraightToTheSolution) {
  Vars vars = Accepted(Moves("31 52 13"));
  CountingHost host;
  const SolveReport report = SolveOrRepair(vars, host);
  EXPECT_TRUE(report.solved);
  EXPECT_EQ(host.repairs, 0);
  EXPECT_EQ(host.events, 1);
  EXPECT_EQ(host.visibleChanges, 1);
}

// The stored cube with its corner at 1/9/19 turned in place: forward moves
// each colour to the next facelet round the corner.
Vars WithTwistedCorner(bool forward) {
  Vars vars = testing::TurnedVars(Moves("21 43 62"));
  Buffer& cube = vars.current();
  const Int16 a = cube[1], b = cube[9], c = cube[19];
  if (forward) {
    cube[9] = a, cube[19] = b, cube[1] = c;
  } else {
    cube[19] = a, cube[1] = b, cube[9] = c;
  }
  EXPECT_TRUE(SubmitEntry(vars).Accepted());
  return vars;
}

TEST(SolveOrRepair, TwistedCornerIsReportedByDirectionAndRepaired) {
  for (bool forward : {true, false}) {
    Vars vars = WithTwistedCorner(forward);
    CountingHost host;
    const SolveReport report = SolveOrRepair(vars, host);
    ASSERT_EQ(report.runs.size(), 2u);
    EXPECT_EQ(report.runs[0].TwistFault, forward ? 1 : 2);
    EXPECT_EQ(report.runs[0].SwapFault, 0);
    EXPECT_EQ(report.runs[0].FlipFault, 0);
    EXPECT_FALSE(report.runs[1].Any());
    EXPECT_EQ(host.repairs, 1);
    EXPECT_EQ(host.events, 2);
    ASSERT_EQ(report.repaired.size(), 1u);
    EXPECT_EQ(report.repaired[0], vars.Facelet[0]);
  }
}

TEST(Repairs, ActOnBufferZeroAndShowAtOnce) {
  Vars vars = testing::TurnedVars("");
  vars.CurBuffer = 2;
  TwistStoredCorner(vars, 1);
  EXPECT_EQ(vars.Facelet[0][5], 4);  // the old value at 25
  EXPECT_EQ(vars.Facelet[0][25], 5);
  EXPECT_EQ(vars.Facelet[0][35], 1);
  EXPECT_EQ(vars.current(), vars.Facelet[0]);
  TwistStoredCorner(vars, 2);
  EXPECT_TRUE(IsSolved(vars.Facelet[0]));

  SwapStoredEdges(vars);
  EXPECT_EQ(vars.Facelet[0][4], 1);
  EXPECT_EQ(vars.Facelet[0][26], 5);  // the 6/34 edge now sits at 4/26
  EXPECT_EQ(vars.Facelet[0][34], 4);
  EXPECT_EQ(vars.current(), vars.Facelet[0]);

  FlipStoredEdge(vars);
  EXPECT_EQ(vars.Facelet[0][6], 4);
  EXPECT_EQ(vars.Facelet[0][34], 1);
  EXPECT_EQ(vars.current(), vars.Facelet[0]);
}

TEST(RunSolvingStages, PutsTheMarkersBetweenTheLayers) {
  Vars vars = Accepted(Moves("21 43 62 51 33 11 24"));
  RunSolvingStages(vars);
  const std::string& moves = vars.MoveString;
  const auto aa = moves.find("AA ");
  const auto bb = moves.find("BB ");
  ASSERT_NE(aa, std::string::npos);
  ASSERT_NE(bb, std::string::npos);
  EXPECT_LT(aa, bb);
  EXPECT_EQ(aa % 3, 0u);
  EXPECT_EQ(bb % 3, 0u);
}

}  // namespace
}  // namespace rotalo
