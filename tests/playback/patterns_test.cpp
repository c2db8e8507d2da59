#include "playback/patterns.h"

#include <gtest/gtest.h>

#include <string>

#include "model/rotation.h"
#include "support/cubes.h"

namespace rotalo {
namespace {

// A cube with a pattern string played on it, the way the pattern menu plays
// it: one space appended so that the last token is whole.
Buffer Played(std::string_view moves, const Buffer& cube = testing::SolvedVars().current()) {
  return testing::Applied(cube, std::string(moves) + " ");
}

TEST(Patterns, EachRemovalUndoesItsApplication) {
  std::mt19937 rng(5);
  for (const Pattern& pattern : kPatterns) {
    EXPECT_EQ(pattern.application.size() % 3, 2u);  // without the space the last token would be cut short
    const Buffer start = testing::TurnedVars(testing::RandomMoves(rng, 15)).current();
    const Buffer on = Played(pattern.application, start);
    EXPECT_NE(on, start) << pattern.caption;
    EXPECT_EQ(Played(pattern.removal, on), start) << pattern.caption;
  }
}

TEST(Patterns, ChecksAndCentresShowWhatTheirNamesSay) {
  const Buffer checks = Played(kPatterns[0].application);  // each edge in the opposite colour
  const Buffer centres = Played(kPatterns[1].application);
  const int ring[7] = {0, 5, 1, 4, 6, 2, 3};  // Centres: face f all in colour ring[f] but its centre
  for (int i = 1; i <= kFacelets; ++i) {
    const int f = HomeFace(i);
    EXPECT_EQ(checks[i], i > 48 || i % 2 == 1 ? f : OppositeFace(f)) << i;
    EXPECT_EQ(centres[i], i > 48 ? f : ring[f]) << i;
  }
}

}  // namespace
}  // namespace rotalo
