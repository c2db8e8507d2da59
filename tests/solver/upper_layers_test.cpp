// The stages of the top layer and the middle layer.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "model/moves.h"
#include "solver/stages.h"
#include "support/cubes.h"

namespace rotalo {
namespace {

using testing::Moves;
using testing::TurnedVars;

bool Home(const Vars& vars, std::initializer_list<int> facelets) {
  return std::all_of(facelets.begin(), facelets.end(), [&](int i) { return Locate(vars, i) == i; });
}
const std::initializer_list<int> kTopEdges{2, 4, 6, 8};
const std::initializer_list<int> kTopLayer{1, 2, 3, 4, 5, 6, 7, 8};
const std::initializer_list<int> kTwoLayers{1, 2, 3, 4, 5, 6, 7, 8, 16, 24, 32, 40};

// Worked cases of the three stages: a scramble, or stickers of the solved
// cube exchanged (a flipped edge, a twisted corner), run through the first
// `stages` stages, and what they record (or only how many tokens).
TEST(UpperLayerStages, WorkedCases) {
  struct Case {
    const char* scramble;
    std::vector<std::pair<int, int>> exchanged;
    int stages;
    const char* expected;  // or nullptr
    int tokens;
  };
  const Case cases[] = {
      {"61 21 61 23", {}, 1, "", 0},           // a bottom turn and a middle edge taken out: top edges home
      {"21", {}, 1, "10 23 10", 3},            // top colour at 40: two top turns that reduce to 0, one side turn
      {"22", {}, 1, "60 22", 2},               // top colour facing down at 46: lifted by a half turn
      {"", {{2, 18}}, 1, "31 13 21 11", 4},    // a flipped top edge in its place
      {"63", {}, 2, "", 0},                    // the top layer complete
      {"33 63 31", {}, 2, "61 41 61 43", 4},   // top colour at 37, on face 5
      {"33 61 31", {}, 2, "60 33 63 31", 4},   // top colour at 23, on face 3: the scramble undone
      {"33 62 31", {}, 2, "62 41 61 43", 4},   // corner at 13, on face 2
      {"", {{1, 9}, {9, 19}}, 2, nullptr, 7},  // a corner twisted in its place: taken out and put back
      {"", {{1, 9}, {9, 19}, {1, 9}, {9, 19}}, 2, nullptr, 7},
      {"61 43 21 31 41 23 62 43 21 31 41 23", {}, 3, "", 0},          // only the bottom layer scrambled
      {"31 61 33 63 23 63 21", {}, 3, "60 23 61 21 61 31 63 33", 8},  // an edge inserted from below
      {"", {{16, 20}}, 3, nullptr, 15},  // the 2/3 edge flipped in its slot: taken out and put back
  };
  for (const Case& c : cases) {
    Vars vars = testing::Altered(TurnedVars(Moves(c.scramble)), c.exchanged);
    SolveTopEdges(vars);
    if (c.stages >= 2) {
      SolveTopCorners(vars);
    }
    if (c.stages >= 3) {
      SolveMiddleLayer(vars);
    }
    EXPECT_EQ(TokenCount(vars.MoveString), c.tokens) << c.scramble;
    EXPECT_TRUE(c.expected == nullptr || vars.MoveString == Moves(c.expected)) << c.scramble;
    EXPECT_TRUE(Home(vars, c.stages == 1 ? kTopEdges : c.stages == 2 ? kTopLayer : kTwoLayers)) << c.scramble;
  }
}

// Cubes that are no real cubes: the middle layer must still end (the
// fuzzing corpus has many more, replayed under a time limit).
TEST(SolveMiddleLayer, EndsOnCubesThatAreNotRealCubes) {
  // Middle edges in the bottom colour can never be inserted.
  Vars vars = testing::Altered(TurnedVars(""), {}, {{16, 6}, {24, 6}, {32, 6}, {40, 6}});
  SolveMiddleLayer(vars);
  EXPECT_EQ(vars.MoveString, "");  // nothing to insert and nothing to take out
  // Two slots holding the same edge: it is inserted, taken out and inserted
  // again until the bound on sweeps stops the stage.
  Vars twice = testing::Altered(TurnedVars(""), {}, {{24, 2}, {28, 3}, {16, 6}});
  SolveMiddleLayer(twice);
}

}  // namespace
}  // namespace rotalo
