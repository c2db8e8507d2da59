#include "model/jumble.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support/cubes.h"

namespace rotalo {
namespace {

// The solved cube after twenty clockwise quarter turns of the faces given.
Buffer Turned(const std::vector<int>& faces) {
  Vars expected = testing::SolvedVars();
  for (int n = 0; n < 20; ++n) {
    TurnFace(expected, faces[n % faces.size()], 1);
  }
  return expected.current();
}

TEST(JumbleCube, TurnsTwentyRandomFacesClockwiseAndKeepsNoMoves) {
  Vars vars = testing::SolvedVars();
  vars.MoveString = "11 ";
  // r = 0 gives face 1, values just below 1 give face 6.
  const std::vector<float> draws{0.0f, 0.17f, 0.34f, 0.5f, 0.67f, 0.9999999f};
  std::size_t next = 0;
  JumbleCube(vars, [&] { return draws[next++ % draws.size()]; });
  EXPECT_TRUE(next == 20u && vars.MoveString.empty() && vars.Facelet[0] == vars.current());
  EXPECT_EQ(vars.current(), Turned({1, 2, 3, 4, 5, 6}));
  // Values outside the unit range, or none, still give faces.
  int n = 0;
  Vars odd = testing::SolvedVars();
  JumbleCube(odd, [&] { return (n++ % 2) ? 1.0f : ((n % 4 == 1) ? -0.5f : std::nanf("")); });
  EXPECT_EQ(odd.current(), Turned({1, 6}));
}

}  // namespace
}  // namespace rotalo
