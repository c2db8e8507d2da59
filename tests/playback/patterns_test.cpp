#include "playback/patterns.h"

#include <gtest/gtest.h>

#include <string>

#include "model/moves.h"
#include "support/cubes.h"

namespace rotalo {
namespace {

// The solved cube with a pattern string played on it, the way the pattern
// menu plays it: one space appended so the last token is whole.
Vars Played(std::string_view moves, Vars vars = testing::SolvedVars()) {
  ApplyMoveString(vars, std::string(moves) + " ");
  return vars;
}

TEST(Patterns, TokenCountsWithTheAppendedSpace) {
  const int counts[] = {6, 8, 20, 12, 12};
  for (int p = 0; p < PatternCount; ++p) {
    EXPECT_EQ(TokenCount(std::string(kPatterns[p].application) + " "), counts[p]);
    EXPECT_EQ(TokenCount(std::string(kPatterns[p].removal) + " "), counts[p]);
    // Without the space the last token would be cut short.
    EXPECT_EQ(kPatterns[p].application.size() % 3, 2u);
  }
}

TEST(Patterns, EachRemovalUndoesItsApplication) {
  std::mt19937 rng(5);
  for (const Pattern& pattern : kPatterns) {
    Vars start = testing::TurnedVars(testing::RandomMoves(rng, 15));
    Vars on = Played(pattern.application, start);
    EXPECT_NE(on.current(), start.current()) << pattern.caption;
    Vars off = Played(pattern.removal, on);
    EXPECT_EQ(off.current(), start.current()) << pattern.caption;
  }
}

TEST(Patterns, ChecksShowTheOppositeColourOnEveryEdge) {
  const Vars vars = Played(kPatterns[0].application);
  const int opposite[7] = {0, 6, 4, 5, 2, 3, 1};
  for (int f = 1; f <= 6; ++f) {
    EXPECT_EQ(vars.current()[48 + f], f);
    for (int p = 1; p <= 8; ++p) {
      const int expected = p % 2 == 1 ? f : opposite[f];
      EXPECT_EQ(vars.current()[8 * (f - 1) + p], expected) << "face " << f << " position " << p;
    }
  }
}

TEST(Patterns, CentresLeaveEachFaceOnlyItsCentre) {
  const Vars vars = Played(kPatterns[1].application);
  const int ring[7] = {0, 5, 1, 4, 6, 2, 3};
  for (int f = 1; f <= 6; ++f) {
    EXPECT_EQ(vars.current()[48 + f], f);
    for (int p = 1; p <= 8; ++p) {
      EXPECT_EQ(vars.current()[8 * (f - 1) + p], ring[f]) << "face " << f << " position " << p;
    }
  }
}

}  // namespace
}  // namespace rotalo
