#include "playback/playback.h"

#include <gtest/gtest.h>

namespace rotalo {
namespace {

TEST(StepBack, UndoesTheLastFaceTokenSteppingOverMarkers) {
  const std::string moves = "11 62 AA 23 BB 31 ";
  PlayState state{6, 2, 6, 2};
  Turn undo = StepBack(moves, state);
  EXPECT_EQ(undo.face, 3);
  EXPECT_EQ(undo.turn, 3);
  EXPECT_EQ(state.PlayPos, 5);
  EXPECT_EQ(state.MarkersPassed, 2);

  undo = StepBack(moves, state);  // over "BB"
  EXPECT_EQ(undo.face, 2);
  EXPECT_EQ(undo.turn, 1);
  EXPECT_EQ(state.PlayPos, 3);
  EXPECT_EQ(state.MarkersPassed, 1);

  undo = StepBack(moves, state);  // over "AA", a half turn undone by another
  EXPECT_EQ(undo.face, 6);
  EXPECT_EQ(undo.turn, 2);
  EXPECT_EQ(state.MarkersPassed, 0);
  EXPECT_TRUE(CanStepBack(moves, state));
  StepBack(moves, state);
  EXPECT_EQ(state.PlayPos, 0);
  EXPECT_FALSE(CanStepBack(moves, state));
}

TEST(StepBack, NeverReadsBeforeTheFirstTokenOrPastTheEnd) {
  const PlayState cases[] = {{0, 0, 2, 2}, {2, 2, 2, 2}, {-5, 0, 2, 2}};
  for (PlayState state : cases) {
    const PlayState before = state;
    EXPECT_EQ(StepBack("AA BB ", state).face, 0);
    EXPECT_EQ(state.PlayPos, before.PlayPos);
    EXPECT_EQ(state.MarkersPassed, before.MarkersPassed);
  }
  // The string emptied while playing (a Jumble), or shorter than PlayPos.
  PlayState state{40, 1, 96, 2};
  EXPECT_EQ(StepBack("", state).face, 0);
  EXPECT_EQ(state.PlayPos, 40);
  EXPECT_EQ(StepBack("11 4", state).face, 1);
  EXPECT_EQ(state.PlayPos, 0);
}

TEST(Progress, CounterAndBar) {
  EXPECT_EQ(ProgressText(0, 96), "0 of 96");
  EXPECT_EQ(ProgressText(96, 96), "96 of 96");
  EXPECT_EQ(GageWidth(265, 0, 96), 0);
  EXPECT_EQ(GageWidth(265, 48, 96), 133);
  EXPECT_EQ(GageWidth(265, 96, 96), 265);
  EXPECT_EQ(GageWidth(265, 0, 0), 265);  // nothing to play is all done
}

}  // namespace
}  // namespace rotalo
