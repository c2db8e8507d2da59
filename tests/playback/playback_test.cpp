#include "playback/playback.h"

#include <gtest/gtest.h>

#include <array>

namespace rotalo {
namespace {

// The undoing turn and where play stands after it, as one row.
std::array<int, 4> Step(std::string_view moves, PlayState& state) {
  const Turn undo = StepBack(moves, state);
  return {undo.face, undo.turn, state.PlayPos, state.MarkersPassed};
}

TEST(StepBack, UndoesTheLastFaceTokenSteppingOverMarkers) {
  const std::string moves = "11 62 AA 23 BB 31 ";
  PlayState state{6, 2, 6, 2};
  // Token 6, then over "BB" to token 4, over "AA" to token 2 (a half turn
  // undone by another), then token 1.
  const std::array<int, 4> steps[] = {{3, 3, 5, 2}, {2, 1, 3, 1}, {6, 2, 1, 0}, {1, 3, 0, 0}};
  for (const auto& step : steps) {
    EXPECT_TRUE(CanStepBack(moves, state));
    EXPECT_EQ(Step(moves, state), step);
  }
  EXPECT_FALSE(CanStepBack(moves, state));
}

TEST(StepBack, NeverReadsBeforeTheFirstTokenOrPastTheEnd) {
  const PlayState cases[] = {{0, 0, 2, 2}, {2, 2, 2, 2}, {-5, 0, 2, 2}};
  for (const PlayState& before : cases) {
    PlayState state = before;
    EXPECT_EQ(Step("AA BB ", state), (std::array{0, 0, before.PlayPos, before.MarkersPassed}));
  }
  // The string emptied while playing (a Jumble), or shorter than PlayPos.
  PlayState state{40, 1, 96, 2};
  EXPECT_EQ(Step("", state), (std::array{0, 0, 40, 1}));
  EXPECT_EQ(StepBack("11 4", state).face, 1);
  EXPECT_EQ(state.PlayPos, 0);
}

TEST(Progress, CounterAndBar) {
  EXPECT_EQ(GageWidth(265, 0, 96), 0);
  EXPECT_EQ(GageWidth(265, 48, 96), 133);
  EXPECT_EQ(GageWidth(265, 96, 96), 265);
  EXPECT_EQ(GageWidth(265, 0, 0), 265);  // nothing to play is all done
}

}  // namespace
}  // namespace rotalo
